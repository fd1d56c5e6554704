#include "tests/editor/EditorProcess.h"

#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

void PrepareEditorChild(QProcess &process, QProcessEnvironment &environment, const QString &home, bool ordinaryUser)
{
    const bool drop = ordinaryUser && ::geteuid() == 0;
    const passwd *nobody = drop ? ::getpwnam("nobody") : nullptr;
    const uid_t user = nobody ? nobody->pw_uid : 65534;
    const gid_t group = nobody ? nobody->pw_gid : 65534;
    process.setChildProcessModifier([drop, user, group] {
        // As from a shell: what the editor ignores, it ignores itself.
        ::signal(SIGXFSZ, SIG_DFL);
        if (drop && (::setgroups(0, nullptr) != 0 || ::setgid(group) != 0 || ::setuid(user) != 0))
            ::_exit(127);
    });
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
}
