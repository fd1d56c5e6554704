// The program on a bare X display, with no window manager: only the
// program's own requests move the keyboard from one of its windows to
// another, so whether a window asks to come up active shows here and on no
// headless platform.
#include "tests/GameHarness.h"

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
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

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

// The program's windows on screen in the X server's stacking order, bottom
// first. With no window manager to frame them, they are children of the root
// window themselves. The query goes out on the program's own connection,
// after every request the program has made.
QList<const QWidget *> StackingOrder()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return {};
    xcb_connection_t *connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr), &std::free);
    if (!tree)
        return {};
    QList<const QWidget *> order;
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    for (int child = 0; child < xcb_query_tree_children_length(tree.get()); ++child)
        for (const QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->internalWinId() == children[child])
                order.append(window);
    return order;
}

// The program's windows that lie over the error window, by name.
QString WindowsOverTheErrorWindow()
{
    const QList<const QWidget *> order = StackingOrder();
    if (!order.contains(frmerror))
        return QStringLiteral("all: the error window is not on screen");
    QStringList over;
    for (qsizetype window = order.indexOf(frmerror) + 1; window < order.size(); ++window)
        over.append(order[window]->objectName());
    return over.join(QStringLiteral(", "));
}

void RollAndMove()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::mouseClick(frmPlayingField->IcoSelect1, Qt::LeftButton);
}

// Counts the times a window became the active one.
class ActivationCounter : public QObject {
public:
    explicit ActivationCounter(QWidget *window) { window->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::WindowActivate ? 1 : 0;
        return false;
    }
};

// Rows for the board's three buttons that open a window of their own.
void AddSideWindowRows()
{
    QTest::newRow("dialog") << Action([] { QTest::mouseClick(frmPlayingField->Button2, Qt::LeftButton); })
                            << "frmDialog";
    QTest::newRow("help") << Action([] { QTest::mouseClick(frmPlayingField->Button3, Qt::LeftButton); })
                          << "frmHelp";
    QTest::newRow("catalogue") << Action([] { QTest::mouseClick(frmPlayingField->Button4, Qt::LeftButton); })
                               << "frmProductInfo";
}

} // namespace

class BareDesktopTest : public QObject {
    Q_OBJECT

private slots:
    void errorWindowKeepsTheKeyboardAtStartUp();
    void questionTakesTheAnswerKeysWhileTheErrorWindowIsUp();
    void windowsComeUpActiveWhileTheErrorWindowIsUp_data();
    void windowsComeUpActiveWhileTheErrorWindowIsUp();
    void errorWindowStaysAboveWindowsShownUnderIt_data();
    void errorWindowStaysAboveWindowsShownUnderIt();
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

    AddSideWindowRows();
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
    QWidget *opened = RosterWindowNamed(window);
    QVERIFY(opened && opened->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(opened));
    QVERIFY(frmerror->isVisible());
}

void BareDesktopTest::errorWindowStaysAboveWindowsShownUnderIt_data()
{
    QTest::addColumn<Action>("open");
    QTest::addColumn<QString>("window");

    QTest::newRow("board") << Action([] {}) << "frmPlayingField";
    QTest::newRow("question") << Action(RollAndMove) << "frmQuestion";
    // The player turns to the board with the question still open: the
    // question comes back to the front, yet not over the error window.
    QTest::newRow("question brought back") << Action([] {
        RollAndMove();
        QVERIFY(QTest::qWaitForWindowActive(frmQuestion));
        ActivationCounter activations(frmQuestion);
        frmPlayingField->activateWindow();
        QTRY_VERIFY(activations.count > 0);
    }) << "frmQuestion";
    AddSideWindowRows();
    QTest::newRow("setup after start over") << Action([] {
        QTest::mouseClick(frmPlayingField->btnstartover, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(frmDialog));
        QTest::mouseClick(frmDialog->btnOk, Qt::LeftButton);
    }) << "Form1";
}

void BareDesktopTest::errorWindowStaysAboveWindowsShownUnderIt()
{
    QFETCH(Action, open);
    QFETCH(QString, window);

    GameHarness game(GameHarness::Bank::Missing);
    StartGameUnderTheErrorWindow();
    if (QTest::currentTestFailed())
        return;
    open();
    if (QTest::currentTestFailed())
        return;
    QWidget *opened = RosterWindowNamed(window);
    QVERIFY(opened && opened->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(opened));
    QVERIFY(frmerror->isVisible());
    QCOMPARE(WindowsOverTheErrorWindow(), QString());

    // The window shown keeps the keyboard: the question still takes its keys.
    if (opened == frmQuestion) {
        QTest::keyClick(QGuiApplication::focusWindow(), char('a' + GameHarness::rightLine() - 1));
        QVERIFY(!frmQuestion->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), frmPlayingField->btnDice);
        QCOMPARE(WindowsOverTheErrorWindow(), QString());
    }
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
