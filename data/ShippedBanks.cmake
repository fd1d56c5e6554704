# The languages a shipped bank may be written in: the code its entry below
# gives and the language's name in English, for the manual page and the
# package's description. The question rules know each by its code.
set(KORVANE_BANK_LANGUAGES
  "en|English"
  "de|German"
  "fr|French"
  "es|Spanish"
)

# The question banks that ship with the game, each as
# "base name|title|language": data/<base name>.tqz is the bank and
# data/checks/<base name>.md the record of its blind check; the title is the
# bank's own, in its language (UTF-8), and the language one of the codes
# above. The install, the desktop entry's actions, the manual page, korvwin
# --help, the editor and the bank tests all read this one list. The first is
# the bank the game reads when started without one.
set(KORVANE_SHIPPED_BANKS
  "quarl3|General Knowledge|en"
  "science-and-nature|Science and Nature|en"
  "geography|Geography|en"
  "history-and-inventions|History and Inventions|en"
  "words-books-and-art|Words, Books and Art|en"
  "childrens-quiz|Children's Quiz|en"
  "quiz-night|Quiz Night|en"
  "allgemeinwissen|Allgemeinwissen|de"
  "culture-generale|Culture générale|fr"
  "cultura-general|Cultura general|es"
)

# The base names double as desktop action names, and the titles go into C++
# strings, desktop entry values and manual page lines unescaped: no quotes
# or backslashes, and no dot or apostrophe first, which the manual page would
# take for a request.
set(KORVANE_SHIPPED_BANK_NAMES)
set(KORVANE_SHIPPED_BANK_TITLES)
set(KORVANE_SHIPPED_BANK_LANGUAGES)
set(KORVANE_BANK_LANGUAGE_CODES)
set(KORVANE_BANK_LANGUAGE_NAMES)
foreach(language IN LISTS KORVANE_BANK_LANGUAGES)
  string(REPLACE "|" ";" language "${language}")
  list(GET language 0 code)
  list(GET language 1 name)
  list(APPEND KORVANE_BANK_LANGUAGE_CODES ${code})
  list(APPEND KORVANE_BANK_LANGUAGE_NAMES "${name}")
endforeach()
foreach(bank IN LISTS KORVANE_SHIPPED_BANKS)
  if(NOT bank MATCHES "^([a-z0-9-]+)\\|([^\"\\\\|.'][^\"\\\\|]*)\\|([a-z][a-z])$")
    message(FATAL_ERROR "Shipped bank \"${bank}\" is not \"base name|title|language\" "
      "(base name of a-z, 0-9 and -; a title without quotes or backslashes, "
      "not starting with a dot or an apostrophe; a language code of KORVANE_BANK_LANGUAGES)")
  endif()
  if(NOT CMAKE_MATCH_3 IN_LIST KORVANE_BANK_LANGUAGE_CODES)
    message(FATAL_ERROR "Shipped bank \"${bank}\" is in a language not in KORVANE_BANK_LANGUAGES")
  endif()
  list(APPEND KORVANE_SHIPPED_BANK_NAMES ${CMAKE_MATCH_1})
  list(APPEND KORVANE_SHIPPED_BANK_TITLES "${CMAKE_MATCH_2}")
  list(APPEND KORVANE_SHIPPED_BANK_LANGUAGES ${CMAKE_MATCH_3})
  if(NOT EXISTS ${CMAKE_CURRENT_LIST_DIR}/${CMAKE_MATCH_1}.tqz)
    message(WARNING "data/${CMAKE_MATCH_1}.tqz is a shipped bank but is not there yet: "
      "the install and the bank tests will fail until it is")
  endif()
endforeach()
list(GET KORVANE_SHIPPED_BANK_NAMES 0 korvane_first_bank)
if(NOT korvane_first_bank STREQUAL "quarl3")
  message(FATAL_ERROR "The first shipped bank must be quarl3, the one the game reads by default")
endif()

# The list for C++: the game's --help and the tests.
set(korvane_bank_rows "")
foreach(name title language IN ZIP_LISTS KORVANE_SHIPPED_BANK_NAMES KORVANE_SHIPPED_BANK_TITLES
    KORVANE_SHIPPED_BANK_LANGUAGES)
  string(APPEND korvane_bank_rows "    {\"${name}.tqz\", \"${title}\", \"${language}\"},\n")
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/ShippedBanks.h CONTENT [=[
#pragma once
// Generated from data/ShippedBanks.cmake: edit the list there.

struct ShippedBankName {
    const char *file;      // in data/ and, installed, in the game's bank folder
    const char *title;     // UTF-8
    const char *language;  // ISO 639-1 code, as the question rules know it
};

inline constexpr ShippedBankName ShippedBanks[] = {
@korvane_bank_rows@};
]=] @ONLY)
