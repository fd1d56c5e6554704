#include "forms/BankLanguage.h"

#include <algorithm>

namespace {

// Numbers: English groups with commas; German, French and Spanish write a
// decimal comma and group with a period or a space (the no-break space
// would be a byte nobody sees in a bank). Quotes: German „…“, French «…»
// with no-break spaces inside, as also before ? ! : ;, Spanish «…».
constexpr BankLanguage Languages[] = {
    {"en", '.', ",",
     {u"zero", u"one", u"two", u"three", u"four", u"five", u"six", u"seven", u"eight", u"nine", u"ten", u"eleven",
      u"twelve"},
     '\0', '\0', {}, {}},
    {"de", ',', ". ",
     {u"null", u"eins", u"zwei", u"drei", u"vier", u"fünf", u"sechs", u"sieben", u"acht", u"neun", u"zehn", u"elf",
      u"zwölf"},
     '\x84', '\x93', {}, {}},
    {"fr", ',', ". ",
     {u"zéro", {}, u"deux", u"trois", u"quatre", u"cinq", u"six", u"sept", u"huit", u"neuf", u"dix", u"onze",
      u"douze"},
     '\xab', '\xbb', "\xab", "\xbb?!:;"},
    {"es", ',', ". ",
     {u"cero", u"uno", u"dos", u"tres", u"cuatro", u"cinco", u"seis", u"siete", u"ocho", u"nueve", u"diez", u"once",
      u"doce"},
     '\xab', '\xbb', {}, {}},
};

} // namespace

const BankLanguage AnyLanguage{{}, '\0', {}, {}, '\0', '\0', {}, {}};

const BankLanguage *FindBankLanguage(std::string_view code)
{
    const auto found = std::find_if(std::begin(Languages), std::end(Languages),
                                    [code](const BankLanguage &language) { return language.code == code; });
    return found == std::end(Languages) ? nullptr : found;
}
