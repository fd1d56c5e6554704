#pragma once

#include <QString>
#include <QStringList>

// How "Play this bank" starts the game. The game reads "quarl3.tqz" from its
// working folder, so a bank by any other name is played from a copy.
struct PlayPlan {
    QString game;   // the game's executable; empty when it was not found
    QString folder; // the bank's own folder; empty when a copy is needed
    // Play a copy named quarl3.tqz in a private temporary folder.
    bool copyBank = false;
};

// The game is looked for beside the editor first, then in the search folders
// (the PATH when none are given).
PlayPlan PlanPlay(const QString &bankPath, const QString &editorFolder, const QStringList &searchFolders = {});

inline constexpr char GameExecutableName[] = "korvwin";
