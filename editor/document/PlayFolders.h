#pragma once

#include <QString>

// The private folders that "Play this bank" copies a bank into. Each notes
// the processes that hold it, the editor that made it and the game playing
// from it, so that a folder left behind by an editor that was killed can be
// told from one whose game still runs.
namespace PlayFolders {

// The folder's name pattern under the temporary folder, for QTemporaryDir.
QString Template();
// Notes that process `pid` holds the folder.
bool Claim(const QString &folder, qint64 pid);
// Removes the play folders under `parent` that no running process holds;
// a folder noting no process at all is left alone. Returns how many went.
int RemoveStale(const QString &parent);

} // namespace PlayFolders
