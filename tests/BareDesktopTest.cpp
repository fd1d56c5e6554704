// The program on a bare X display, with no window manager: only the
// program's own requests move the keyboard from one of its windows to
// another, so whether a window asks to come up active shows here and on no
// headless platform.
#include "GameHarness.h"

#include "app/Startup.h"
#include "forms/Dialog.h"
#include "forms/Error1.h"
#include "forms/Game.h"
#include "forms/Help1.h"
#include "forms/Info.h"
#include "forms/Question.h"
#include "forms/Title2.h"

#include <QApplication>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A private X server for the whole run. It picks a free display number
// itself and tells it through a pipe, so runs side by side never collide.
class PrivateDisplay {
public:
    PrivateDisplay()
    {
        int pipe[2];
        if (::pipe2(pipe, O_CLOEXEC) != 0)
            return;
        const std::string told = std::to_string(pipe[1]);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGTERM); // not left behind by a test that crashes
            ::fcntl(pipe[1], F_SETFD, 0); // the server writes its number here
            const int quiet = ::open("/dev/null", O_WRONLY);
            ::dup2(quiet, 1);
            ::dup2(quiet, 2);
            ::execlp("Xvfb", "Xvfb", "-displayfd", told.c_str(), "-nolisten", "tcp", "-screen", "0",
                     "1280x1024x24", static_cast<char *>(nullptr));
            ::_exit(127);
        }
        ::close(pipe[1]);
        std::string number;
        char digit;
        while (pid_ > 0 && ::read(pipe[0], &digit, 1) == 1 && digit != '\n')
            number += digit;
        ::close(pipe[0]);
        if (!number.empty()) {
            qputenv("DISPLAY", QByteArray(":") + number.c_str());
            qputenv("QT_QPA_PLATFORM", "xcb");
            // No session bus either: asked for one on an X display with none
            // named, D-Bus would try to launch one for it.
            qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
            started_ = true;
        }
    }

    ~PrivateDisplay()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }

    bool started() const { return started_; }

private:
    pid_t pid_ = -1;
    bool started_ = false;
};

// The player brings the setup window forward over the error window and
// starts a game on it.
void StartGameUnderTheErrorWindow()
{
    QVERIFY(frmerror->isVisible());
    ShowMainWindow();
    Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    GameHarness::startGame();
    QVERIFY(QTest::qWaitForWindowActive(frmPlayingField));
}

} // namespace

class BareDesktopTest : public QObject {
    Q_OBJECT

private slots:
    void errorWindowKeepsTheKeyboardAtStartUp();
    void questionTakesTheAnswerKeysWhileTheErrorWindowIsUp();
    void windowsComeUpActiveWhileTheErrorWindowIsUp_data();
    void windowsComeUpActiveWhileTheErrorWindowIsUp();
};

void BareDesktopTest::errorWindowKeepsTheKeyboardAtStartUp()
{
    GameHarness game(GameHarness::Bank::Missing);
    ShowMainWindow();
    QVERIFY(Form1->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(frmerror));
    // Nothing takes the keyboard away later either.
    QTest::qWait(200);
    QCOMPARE(QApplication::activeWindow(), frmerror);
    QCOMPARE(QApplication::focusWidget(), frmerror->OKButton);
    QVERIFY(GameHarness::endsProgram([] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }));
}

void BareDesktopTest::questionTakesTheAnswerKeysWhileTheErrorWindowIsUp()
{
    // The error window came up at start-up and was left open.
    GameHarness game(GameHarness::Bank::Missing);
    StartGameUnderTheErrorWindow();
    if (QTest::currentTestFailed())
        return;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::mouseClick(frmPlayingField->IcoSelect1, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(frmQuestion));

    // The key goes wherever the keyboard sends it.
    QTest::keyClick(QGuiApplication::focusWindow(), char('a' + GameHarness::rightLine() - 1));
    QVERIFY(!frmQuestion->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), frmPlayingField->btnDice);
}

void BareDesktopTest::windowsComeUpActiveWhileTheErrorWindowIsUp_data()
{
    QTest::addColumn<Action>("open");
    QTest::addColumn<QString>("window");

    QTest::newRow("dialog") << Action([] { QTest::mouseClick(frmPlayingField->Button2, Qt::LeftButton); })
                            << "frmDialog";
    QTest::newRow("help") << Action([] { QTest::mouseClick(frmPlayingField->Button3, Qt::LeftButton); })
                          << "frmHelp";
    QTest::newRow("catalogue") << Action([] { QTest::mouseClick(frmPlayingField->Button4, Qt::LeftButton); })
                               << "frmProductInfo";
}

void BareDesktopTest::windowsComeUpActiveWhileTheErrorWindowIsUp()
{
    QFETCH(Action, open);
    QFETCH(QString, window);

    GameHarness game(GameHarness::Bank::Missing);
    StartGameUnderTheErrorWindow();
    if (QTest::currentTestFailed())
        return;
    open();
    QWidget *opened = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == window)
            opened = top;
    QVERIFY(opened && opened->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(opened));
    QVERIFY(frmerror->isVisible());
}

int main(int argc, char **argv)
{
    PrivateDisplay display;
    if (!display.started()) {
        std::fputs("cannot start a private X server (Xvfb)\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    BareDesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BareDesktopTest.moc"
