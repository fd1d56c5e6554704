#pragma once

#include "forms/BankLanguage.h"

#include <QList>
#include <QLocale>
#include <QString>

// The banks that ship with the game, as the editor offers them to start a
// bank from or to top one up with.
struct StarterBank {
    QString title;
    QString path;
    const BankLanguage *language = &AnyLanguage; // the questions', for the duplicate rule
};

// The shipped banks found, those in the language of the interface (the
// default QLocale's) first. They are looked for in KORVEDIT_BANK_DIR when it
// is set, else in the game's bank folder (installed on Linux, beside the
// program on Windows), else in the source
// tree's data folder, for an editor run from its build folder.
QList<StarterBank> StarterBanks();

// `banks` with those in `language` ahead of the others, each in the order
// they come.
QList<StarterBank> InLanguageFirst(const QList<StarterBank> &banks, QLocale::Language language);

// The title of the shipped bank at `path`, or empty for any other file.
QString StarterBankTitle(const QString &path);
