// The ways to lose work that take the system's own calls, in their Windows
// forms: a file held open without sharing stands for an unreadable file and
// a failing write, and the security descriptor for the ACL. The rows Windows
// has nothing like skip, saying why.
#include "tests/editor/LoseWorkTest.h"

#include "editor/document/SystemReason.h"
#include "tests/TestSystem.h"

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

namespace {

constexpr char NoFileSizeLimit[] = "Windows sets no limit on the size of a process's files";
constexpr char NoTermination[] = "Windows sends a GUI program no SIGTERM: the end of a session comes as "
                                 "WM_QUERYENDSESSION on the windows platform, which offscreen never gets";
constexpr char NoModes[] = "Windows has no mode bits: the recovery folder takes the ACL of the user's own profile";

// The file's access list as SDDL, or a null string when it has none to tell.
QString DaclOf(const QString &path)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::GetNamedSecurityInfoW(QDir::toNativeSeparators(path).toStdWString().c_str(), SE_FILE_OBJECT,
                                DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr, nullptr, &descriptor)
        != ERROR_SUCCESS)
        return {};
    wchar_t *text = nullptr;
    QString dacl;
    if (::ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                              &text, nullptr)) {
        dacl = QString::fromWCharArray(text);
        ::LocalFree(text);
    }
    ::LocalFree(descriptor);
    return dacl;
}

// Gives the file an access list of its own, not the folder's: full control
// for everyone, reading for one more user.
bool SetOwnDacl(const QString &path)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;FA;;;WD)(A;;FR;;;S-1-5-21-1-2-3-4343)",
                                                               SDDL_REVISION_1, &descriptor, nullptr))
        return false;
    BOOL present = FALSE, defaulted = FALSE;
    PACL dacl = nullptr;
    const bool set = ::GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted)
                     && ::SetNamedSecurityInfoW(const_cast<wchar_t *>(QDir::toNativeSeparators(path).toStdWString().c_str()),
                                                SE_FILE_OBJECT,
                                                DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                                nullptr, nullptr, dacl, nullptr)
                            == ERROR_SUCCESS;
    ::LocalFree(descriptor);
    return set;
}

} // namespace

void LoseWorkTest::fileSizeLimit()
{
    QSKIP(NoFileSizeLimit);
}

void LoseWorkTest::recoveryPastFileSizeLimit()
{
    QSKIP(NoFileSizeLimit);
}

void LoseWorkTest::exportPdfPastFileSizeLimit()
{
    QSKIP(NoFileSizeLimit);
}

void LoseWorkTest::stalePlayFolders()
{
    QSKIP("no stand-in game outlives its killed editor without a shell; PlayTest's rows find dead holders through "
          "OpenProcess");
}

void LoseWorkTest::saveKeepsTheGroup()
{
    QSKIP("Windows files have no group: the security descriptor row keeps who may use the bank");
}

void LoseWorkTest::terminatedWhileEditing()
{
    QSKIP(NoTermination);
}

void LoseWorkTest::terminatedWithRecoveryUnwritable()
{
    QSKIP(NoTermination);
}

void LoseWorkTest::recoveryIsPrivate()
{
    QSKIP(NoModes);
}

void LoseWorkTest::lockIsPrivate()
{
    QSKIP(NoModes);
}

void LoseWorkTest::fullDiskIsNotALock()
{
    QSKIP("a full disk of its own needs a mount, which Windows gives no test");
}

void LoseWorkTest::pipeInRecovery()
{
    QSKIP("Windows keeps no pipe, and no link to one, in a folder");
}

// Another program holding the old PDF open (a viewer) fails the replace: the
// file stays, and the reason is the system's words, not a number.
void LoseWorkTest::exportPdfFailureKeepsOldFile()
{
    Session s(Lines(100, "\r\n"));
    const QString pdf = s.folder.filePath(QStringLiteral("quiz.pdf"));
    auto *dialog = ExportPdfOver(s, pdf);
    QVERIFY(dialog);
    {
        const ExclusiveHold viewer(QFile::encodeName(pdf));
        QVERIFY2(viewer.refusal().isEmpty(), qPrintable(viewer.refusal()));
        emit dialog->fileSelected(pdf);
    }
    dialog->reject();
    const QString reason = SystemReason(ERROR_SHARING_VIOLATION);
    QVERIFY2(!reason.startsWith(QStringLiteral("system error")), qPrintable(reason));
    CheckPdfKept(s, pdf, reason);
}

// Changed while another program holds it without sharing: the editor cannot
// read it and says so, keeping the edits.
void LoseWorkTest::unreadableIsNotChanged()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    EditorProcess editor(home.path(), LongInterval, {bank});
    QVERIFY2(editor.isReady(), qPrintable(editor.failure()));
    QVERIFY(!editor.send(SetCommand(Edits[2])).isNull());
    ExclusiveHold other(QFile::encodeName(bank));
    QVERIFY2(other.refusal().isEmpty(), qPrintable(other.refusal()));
    QVERIFY(other.rewrite(ThreeLines));
    QJsonArray boxes;
    QTRY_VERIFY((boxes = editor.sendJson(QStringLiteral("boxes")).toArray()).size() == 1);
    QCOMPARE(Text(boxes[0], "name"), QString());
    QVERIFY2(Text(boxes[0], "text").contains(QStringLiteral("cannot be opened")), qPrintable(Text(boxes[0], "text")));
    QVERIFY(editor.sendJson(QStringLiteral("state"))[QStringLiteral("modified")].toBool());
}

// A bank given an access list of its own keeps it through a save.
void LoseWorkTest::saveKeepsTheAcl()
{
    Session s(ThreeLines);
    QVERIFY(SetOwnDacl(s.path));
    const QString before = DaclOf(s.path);
    if (!before.contains(QStringLiteral("S-1-5-21-1-2-3-4343")))
        QSKIP(qPrintable(QStringLiteral("the file system keeps no access list of a file's own here (Wine keeps them "
                                        "only where it may store extended attributes): %1")
                             .arg(before)));
    QVERIFY(s.model()->setData(s.model()->index(1, 3), QStringLiteral("Saturn")));
    QVERIFY(s.window.saveFile(s.path));
    QVERIFY(ReadFile(s.path).contains("Saturn"));
    QCOMPARE(DaclOf(s.path), before);
}
