#pragma once

#include <QString>
#include <QStringList>

// The language a program speaks: the one asked for with --language CODE,
// else the first of the system's languages that has a catalogue, else
// English, the language of the sources. Installs the program's catalogues
// (their base names, compiled in under :/i18n) and Qt's own for its dialogs,
// and makes that language the default QLocale, so dates and numbers follow
// it. English under an English or C system locale changes nothing at all.
// Needs the QCoreApplication; returns the chosen locale's name ("de_DE",
// or "en" for English).
QString InstallLanguage(const QStringList &catalogues, const QString &requested = {});

// The value of --language CODE or --language=CODE in argv, removed from it
// so the program's own parsing never sees it; empty when not given.
QString TakeLanguageOption(int &argc, char **argv);
