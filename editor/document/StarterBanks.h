#pragma once

#include <QList>
#include <QString>

// The banks that ship with the game, as the editor offers them to start a
// bank from or to top one up with.
struct StarterBank {
    QString title;
    QString path;
};

// The shipped banks found, in the order the game lists them. They are looked
// for in KORVEDIT_BANK_DIR when it is set, else in the game's bank folder
// (installed on Linux, beside the program on Windows), else in the source
// tree's data folder, for an editor run from its build folder.
QList<StarterBank> StarterBanks();

// The title of the shipped bank at `path`, or empty for any other file.
QString StarterBankTitle(const QString &path);
