// The ways to lose work that take POSIX's own calls: signals, file-size
// limits, modes, groups, ACLs and attributes, FIFOs, mounts and users.
#include "tests/editor/LoseWorkTest.h"

#include "forms/BankChecks.h"

#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

int Mode(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 0777) : -1;
}


// The file's access list and extended attributes as getfacl and getfattr
// tell them, or a null string where the tools or the file system have none.
QString AccessOf(const QString &path)
{
    QProcess getfacl;
    getfacl.start(QStringLiteral("getfacl"), {QStringLiteral("--omit-header"), QStringLiteral("--numeric"), path});
    if (!getfacl.waitForFinished(10000) || getfacl.exitCode() != 0)
        return {};
    char note[64] = {};
    const ssize_t size = ::getxattr(QFile::encodeName(path).constData(), "user.korvane", note, sizeof note);
    return QString::fromUtf8(getfacl.readAllStandardOutput()) + QString::fromUtf8(note, std::max<ssize_t>(size, 0));
}

} // namespace

void LoseWorkTest::fileSizeLimit()
{
    failUnderFileSizeLimit({QStringLiteral("trigger actionSave")});
}

void LoseWorkTest::failUnderFileSizeLimit(const QStringList &commands)
{
    QTemporaryDir home;
    const QString bank = home.filePath(QStringLiteral("bank.tqz"));
    WriteFile(bank, Lines(100, "\r\n"));
    // The limit passes to the editor started under it; the test itself writes nothing meanwhile.
    rlimit limit{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &limit) == 0);
    const rlimit small{rlim_t(Lines(100, "\r\n").size() / 2), limit.rlim_max};
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    EditorProcess editor(home.path(), LongInterval, {bank});
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
    QVERIFY2(editor.isReady(), qPrintable(editor.failure()));

    QVERIFY(!editor.send(QStringLiteral("set 0 0 \"%1\"").arg(QString(300, QLatin1Char('q')))).isNull());
    for (const QString &command : commands)
        QVERIFY2(!editor.send(QString(command).replace(QStringLiteral("%1"), home.path())).isNull(), qPrintable(editor.failure()));
    const QJsonArray boxes = editor.sendJson(QStringLiteral("boxes")).toArray();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.first()[QStringLiteral("text")].toString().contains(QStringLiteral("File too large")),
             qPrintable(boxes.first()[QStringLiteral("text")].toString()));
    QCOMPARE(ReadFile(bank), Lines(100, "\r\n"));
    QVERIFY(editor.sendJson(QStringLiteral("state"))[QStringLiteral("modified")].toBool());
}

void LoseWorkTest::stalePlayFolders()
{
    // The game outlives the editor killed under it; as its new parent, the
    // test can end it and reap it.
    QVERIFY(::prctl(PR_SET_CHILD_SUBREAPER, 1) == 0);
    // A stand-in game that plays until it is ended, found on the PATH.
    QTemporaryDir home;
    const QDir folder(home.path());
    QVERIFY(folder.mkpath(QStringLiteral("bin")) && folder.mkpath(QStringLiteral("tmp")));
    const QString game = folder.filePath(QStringLiteral("bin/korvwin"));
    WriteFile(game, "#!/bin/sh\nexec sleep 60\n");
    QVERIFY(QFile::setPermissions(game, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QString bank = folder.filePath(QStringLiteral("class.tqz"));
    WriteFile(bank, ThreeLines);
    const QByteArray oldPath = qgetenv("PATH"), oldTemp = qgetenv("TMPDIR");
    qputenv("PATH", QFile::encodeName(folder.filePath(QStringLiteral("bin"))) + ':' + oldPath);
    qputenv("TMPDIR", QFile::encodeName(folder.filePath(QStringLiteral("tmp"))));
    const auto playFolders = [&] {
        return QDir(folder.filePath(QStringLiteral("tmp"))).entryList({QStringLiteral("korvedit-play-*")}, QDir::Dirs);
    };
    {
        EditorProcess editor(home.path(), 3600 * 1000, {bank});
        QVERIFY2(editor.isReady(), qPrintable(editor.failure()));
        QVERIFY2(!editor.send(QStringLiteral("trigger actionPlay")).isNull(), qPrintable(editor.failure()));
        QVERIFY2(!editor.send(QStringLiteral("press emptySlotsBox Play Anyway")).isNull(), qPrintable(editor.failure()));
        QTRY_COMPARE(playFolders().size(), 1);
        // Killed once the game is playing: the folder notes both.
        QTRY_COMPARE(ReadFile(folder.filePath(QStringLiteral("tmp/") + playFolders().value(0) + QStringLiteral("/holders")))
                         .count('\n'),
                     2);
        editor.kill();
    }
    const QString played = QDir(folder.filePath(QStringLiteral("tmp"))).filePath(playFolders().value(0));
    const qint64 gamePid = ReadFile(played + QStringLiteral("/holders")).split('\n').value(1).toLongLong();
    {
        // The game still plays from the folder: the next start leaves it.
        EditorProcess editor(home.path(), 3600 * 1000);
        QVERIFY2(editor.isReady(), qPrintable(editor.failure()));
        QCOMPARE(playFolders().size(), 1);
    }
    QVERIFY(gamePid > 0 && ::kill(pid_t(gamePid), SIGKILL) == 0);
    QCOMPARE(::waitpid(pid_t(gamePid), nullptr, 0), pid_t(gamePid));
    // Once the game is gone, the next start removes what the killed editor left.
    {
        EditorProcess editor(home.path(), 3600 * 1000);
        QVERIFY2(editor.isReady(), qPrintable(editor.failure()));
        QCOMPARE(playFolders(), QStringList());
    }
    qputenv("PATH", oldPath);
    qputenv("TMPDIR", oldTemp);
    if (oldTemp.isNull())
        qunsetenv("TMPDIR");
}

void LoseWorkTest::saveKeepsTheGroup()
{
    // A group other than the file's own that this user may give it.
    const gid_t own = ::getegid();
    gid_t other = own;
    if (::geteuid() == 0) {
        other = own == 0 ? 1 : 0;
    } else {
        gid_t groups[64];
        const int count = ::getgroups(64, groups);
        for (int i = 0; i < count; ++i)
            if (groups[i] != own)
                other = groups[i];
    }
    if (other == own)
        QSKIP("the user belongs to one group only");
    Session s(ThreeLines);
    QVERIFY(::chown(QFile::encodeName(s.path).constData(), uid_t(-1), other) == 0);
    QVERIFY(s.model()->setData(s.model()->index(0, 1), QStringLiteral("Mine")));
    QVERIFY(s.window.saveFile(s.path));
    struct stat status {};
    QVERIFY(::stat(QFile::encodeName(s.path).constData(), &status) == 0);
    QCOMPARE(status.st_gid, other);
}

void LoseWorkTest::terminatedWhileEditing()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    QString kept;
    {
        EditorProcess first(home.path(), LongInterval, {bank});
        QVERIFY2(first.isReady(), qPrintable(first.failure()));
        for (const Edit &edit : Edits)
            QVERIFY2(!first.send(SetCommand(edit)).isNull(), qPrintable(first.failure()));
        kept = Text(first.sendJson(QStringLiteral("state")), "recovery");
        QVERIFY(!kept.isEmpty());
        QVERIFY2(!QFileInfo::exists(kept), "the recovery file came before the interval or the signal");
        QCOMPARE(first.terminate(), 128 + SIGTERM);
    }
    recoverInNewStart(home.path(), bank, kept);
}

void LoseWorkTest::recoveryIsPrivate()
{
    // Under the most open mask, where only the editor's own care keeps it private.
    const mode_t mask = ::umask(0);
    const auto restore = qScopeGuard([mask] { ::umask(mask); });
    QDir(RecoveryFolder::Path()).removeRecursively();
    BankEditorWindow window;
    Apply(window, {UntitledEdits[0]});
    const QString kept = WaitKept(window);
    QVERIFY(QFileInfo::exists(kept));
    QCOMPARE(Mode(kept), 0600);
    QCOMPARE(Mode(RecoveryFolder::Path()), 0700);
    // A new write replaces the file, and is as private.
    Apply(window, {UntitledEdits[1]});
    QVERIFY(!WaitKept(window).isEmpty());
    QCOMPARE(Mode(kept), 0600);
}

void LoseWorkTest::recoveryPastFileSizeLimit()
{
    Session s(Lines(100, "\r\n"));
    QVERIFY(s.model()->setData(s.model()->index(0, 0), QStringLiteral("Mine")));
    // As korvedit's main() does; the rows after this one start as before.
    TerminationSignal::IgnoreFileSizeLimit();
    const auto restore = qScopeGuard([] { std::signal(SIGXFSZ, SIG_DFL); });
    rlimit limit{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &limit) == 0);
    const rlimit small{rlim_t(Lines(100, "\r\n").size() / 2), limit.rlim_max};
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    Keeper(s.window)->keepNow();
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
    const QString told = s.window.findChild<QLabel *>(QStringLiteral("recoveryState"))->text();
    QVERIFY2(told.contains(QStringLiteral("File too large")), qPrintable(told));
    QVERIFY(!Keeper(s.window)->isCurrent());
    // With room again, the next write lands.
    Keeper(s.window)->keepNow();
    QVERIFY(Keeper(s.window)->isCurrent());
}

// Gives the folder and all in it to the user the editor runs as, when the
// test runs as root.
void GiveToOrdinaryUser(const QString &folder)
{
    if (::geteuid() != 0)
        return;
    const passwd *nobody = ::getpwnam("nobody");
    QVERIFY(nobody);
    QStringList paths{folder};
    for (QDirIterator it(folder, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        paths += it.next();
    for (const QString &path : paths)
        QVERIFY(::lchown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid) == 0);
}

void LoseWorkTest::terminatedWithRecoveryUnwritable()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    GiveToOrdinaryUser(home.path());
    QString primary;
    {
        EditorProcess first(home.path(), LongInterval, {bank}, true);
        QVERIFY2(first.isReady(), qPrintable(first.failure()));
        primary = first.send(QStringLiteral("recovery-folder"));
        // The folder the recovery folder goes in, which this user cannot write to.
        const QString parent = QFileInfo(primary).absolutePath();
        QVERIFY(QDir().mkpath(parent));
        QVERIFY(QFile::setPermissions(parent, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        for (const Edit &edit : Edits)
            QVERIFY2(!first.send(SetCommand(edit)).isNull(), qPrintable(first.failure()));
        QCOMPARE(first.terminate(), 128 + SIGTERM);
        QVERIFY(QFile::setPermissions(parent, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    QVERIFY(!QFileInfo::exists(primary));
    const QDir fallback(home.filePath(QStringLiteral(".EditorDriver-recovery")));
    const QStringList kept = fallback.entryList({QStringLiteral("*.json")}, QDir::Files);
    QCOMPARE(kept.size(), 1);
    recoverInNewStart(home.path(), bank, fallback.filePath(kept.front()));
}

void LoseWorkTest::exportPdfPastFileSizeLimit()
{
    // Any write but the two writers' once ended the editor, unsaved edit and all.
    failUnderFileSizeLimit({QStringLiteral("trigger actionExportPdf"), QStringLiteral("accept quizSheetOptionsDialog"),
                            QStringLiteral("choose exportPdfDialog %1/quiz.pdf")});
}

void LoseWorkTest::exportPdfFailureKeepsOldFile()
{
    Session s(Lines(100, "\r\n"));
    const QString pdf = s.folder.filePath(QStringLiteral("quiz.pdf"));
    auto *dialog = ExportPdfOver(s, pdf);
    QVERIFY(dialog);
    const auto before = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &limit) == 0);
    const rlimit small{rlim_t(4096), limit.rlim_max};
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    // As the dialog's Save does once the author confirms the old file goes.
    emit dialog->fileSelected(pdf);
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
    std::signal(SIGXFSZ, before);
    dialog->reject();
    CheckPdfKept(s, pdf, QStringLiteral("File too large"));
}

void LoseWorkTest::unreadableIsNotChanged()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    GiveToOrdinaryUser(home.path());
    EditorProcess editor(home.path(), LongInterval, {bank}, true);
    QVERIFY2(editor.isReady(), qPrintable(editor.failure()));
    QVERIFY(!editor.send(SetCommand(Edits[2])).isNull());
    QVERIFY(::chmod(QFile::encodeName(bank).constData(), 0) == 0);
    QJsonArray boxes;
    QTRY_VERIFY((boxes = editor.sendJson(QStringLiteral("boxes")).toArray()).size() == 1);
    QCOMPARE(Text(boxes[0], "name"), QString());
    QVERIFY2(Text(boxes[0], "text").contains(QStringLiteral("cannot be opened")), qPrintable(Text(boxes[0], "text")));
    QVERIFY(editor.sendJson(QStringLiteral("state"))[QStringLiteral("modified")].toBool());
}

// A file system of its own at `folder`, as full as it gets: no file more can
// be made in it. Needs root; unmounted with the object.
struct FullDisk {
    QByteArray path;
    bool mounted = false;

    explicit FullDisk(const QString &folder) : path(QFile::encodeName(folder))
    {
        QDir().mkpath(folder);
        mounted = ::geteuid() == 0 && ::mount("tmpfs", path.constData(), "tmpfs", 0, "size=64k,nr_inodes=8,mode=0700") == 0;
        for (int i = 0; mounted && i < 64; ++i)
            if (!QFile(folder + QStringLiteral("/filler%1").arg(i)).open(QIODevice::WriteOnly))
                break;
    }
    ~FullDisk()
    {
        if (mounted)
            ::umount2(path.constData(), MNT_DETACH);
    }
};

void LoseWorkTest::fullDiskIsNotALock()
{
    const FullDisk primary(RecoveryFolder::Path());
    const FullDisk fallback(RecoveryFolder::FallbackPath());
    if (!primary.mounted || !fallback.mounted)
        QSKIP("making a full disk needs root");
    Session s(ThreeLines);
    auto *state = s.window.findChild<QLabel *>(QStringLiteral("recoveryState"));
    Apply(s.window, {Edits[2]});
    QTRY_VERIFY(state->isVisible() && state->text().startsWith(QStringLiteral("Your changes are not protected")));
    QVERIFY2(state->text().contains(QStringLiteral("No space left on device")), qPrintable(state->text()));
    QVERIFY2(!state->text().contains(QStringLiteral("locked")), qPrintable(state->text()));
}

void LoseWorkTest::saveKeepsTheAcl()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    QProcess setfacl;
    setfacl.start(QStringLiteral("setfacl"), {QStringLiteral("-m"), QStringLiteral("u:4343:rw-,g::r--,m::rw-"), bank});
    if (!setfacl.waitForFinished(10000) || setfacl.exitCode() != 0
        || ::setxattr(QFile::encodeName(bank).constData(), "user.korvane", "class 4b", 8, 0) != 0)
        QSKIP("no setfacl (the acl package), or no access lists or attributes here");
    GiveToOrdinaryUser(home.path());
    const QString before = AccessOf(bank);
    QVERIFY2(before.contains(QStringLiteral("user:4343:rw-")) && before.contains(QStringLiteral("group::r--")),
             qPrintable(before));
    EditorProcess editor(home.path(), LongInterval, {bank}, true);
    QVERIFY2(editor.isReady(), qPrintable(editor.failure()));
    QVERIFY(!editor.send(SetCommand(Edits[2])).isNull());
    QVERIFY2(!editor.send(QStringLiteral("trigger actionSave")).isNull(), qPrintable(editor.failure()));
    QVERIFY(!editor.sendJson(QStringLiteral("state"))[QStringLiteral("modified")].toBool());
    QVERIFY(ReadFile(bank).contains("Saturn"));
    QCOMPARE(AccessOf(bank), before);
}

void LoseWorkTest::pipeInRecovery()
{
    QTemporaryDir home;
    QString folder;
    {
        EditorProcess first(home.path(), LongInterval);
        QVERIFY2(first.isReady(), qPrintable(first.failure()));
        folder = first.send(QStringLiteral("recovery-folder"));
    }
    QVERIFY(QDir().mkpath(folder));
    const QByteArray pipe = QFile::encodeName(home.filePath(QStringLiteral("pipe")));
    QVERIFY(::mkfifo(pipe.constData(), 0600) == 0);
    QVERIFY(QFile::link(QString::fromLocal8Bit(pipe), folder + QStringLiteral("/untitled-1.json")));
    GiveToOrdinaryUser(home.path());
    EditorProcess second(home.path(), LongInterval, {}, true);
    QVERIFY2(second.isReady(), qPrintable(second.failure()));
    const QJsonArray boxes = second.sendJson(QStringLiteral("boxes")).toArray();
    QCOMPARE(BoxNames(boxes), QStringList{QStringLiteral("recoveryDamagedBox")});
    QVERIFY2(Text(boxes[0], "text").contains(QStringLiteral("a pipe")), qPrintable(Text(boxes[0], "text")));
}

void LoseWorkTest::lockIsPrivate()
{
    const mode_t mask = ::umask(0);
    const auto restore = qScopeGuard([mask] { ::umask(mask); });
    BankEditorWindow window;
    Apply(window, {UntitledEdits[0]});
    const QString kept = WaitKept(window);
    QVERIFY(QFileInfo::exists(kept));
    QCOMPARE(Mode(kept + QStringLiteral(".lock")), 0600);
}
