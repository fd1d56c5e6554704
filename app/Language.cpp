#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>

namespace {

bool IsEnglish(const QLocale &locale)
{
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

// Installs one catalogue for the locale; false when there is none.
bool Install(const QString &name, const QLocale &locale, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QString InstallLanguage(const QStringList &catalogues, const QString &requested)
{
    const QString folder = QStringLiteral(":/i18n");
    const QStringList wanted = requested.isEmpty() ? QLocale::system().uiLanguages() : QStringList{requested};
    for (const QString &code : wanted) {
        const QLocale locale(code);
        // A user who puts English first gets English, not a later choice.
        if (IsEnglish(locale))
            break;
        // The first catalogue decides: it is the program's own.
        if (catalogues.isEmpty() || !Install(catalogues.constFirst(), locale, folder))
            continue;
        for (qsizetype other = 1; other < catalogues.size(); ++other)
            Install(catalogues[other], locale, folder);
        // Qt's own texts: the system's copy, else the one compiled in where
        // the system has none (Windows).
        if (!Install(QStringLiteral("qtbase"), locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            Install(QStringLiteral("qtbase"), locale, folder);
        // Always the language's own data: the system locale may bear its name
        // yet take dates from elsewhere (LANGUAGE=fr with LANG=C.UTF-8 is a
        // French system locale with English month names).
        QLocale::setDefault(locale);
        return locale.name();
    }
    if (!IsEnglish(QLocale::system()))
        QLocale::setDefault(QLocale(QLocale::English));
    return QStringLiteral("en");
}

QString TakeLanguageOption(int &argc, char **argv)
{
    static const char Option[] = "--language";
    const std::size_t length = std::strlen(Option);
    for (int at = 1; at < argc; ++at) {
        const char *argument = argv[at];
        int taken = 0;
        QString code;
        if (std::strcmp(argument, Option) == 0 && at + 1 < argc) {
            code = QString::fromLocal8Bit(argv[at + 1]);
            taken = 2;
        } else if (std::strncmp(argument, Option, length) == 0 && argument[length] == '=') {
            code = QString::fromLocal8Bit(argument + length + 1);
            taken = 1;
        } else {
            continue;
        }
        for (int rest = at + taken; rest <= argc; ++rest) // argv[argc] is the null pointer
            argv[rest - taken] = argv[rest];
        argc -= taken;
        return code;
    }
    return {};
}
