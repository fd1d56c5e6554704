#include "tests/editor/EditorProcess.h"

#include <QCryptographicHash>

// Windows finds the user's folders in the registry, not the environment, and
// a test's editors all run as the one user: their data goes apart under an
// organization named after their home instead. There is no other user to
// run as.
void PrepareEditorChild(QProcess &, QProcessEnvironment &environment, const QString &home, bool)
{
    const QByteArray hash = QCryptographicHash::hash(home.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    environment.insert(QStringLiteral("KORVEDIT_DRIVER_ORGANIZATION"), QStringLiteral("Korvane-test-") + QString::fromLatin1(hash));
}
