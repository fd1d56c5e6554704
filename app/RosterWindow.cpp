#include "app/RosterWindow.h"

#include <QApplication>
#include <QScreen>
#include <QShowEvent>

namespace {

// The window of the program that was active last, kept while the player is
// away in another program.
RosterWindow *activeWindow = nullptr;

// A window that stays on top is kept there by the window manager; with none,
// a window shown or raised later covers it. Raising it again restacks it
// and nothing more: the keyboard stays with the window just shown.
void RaiseStayOnTopWindows(const QWidget *besides)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window != besides && window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            window->raise();
}

} // namespace

RosterWindow::RosterWindow(const char *name, const QString &caption, Frame frame, QSize clientSize)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    Qt::WindowFlags flags = Qt::Window;
    switch (frame) {
    case Frame::Sizeable:
        resize(clientSize);
        break;
    case Frame::Single:
        setFixedSize(clientSize);
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
        break;
    case Frame::Dialog:
        setFixedSize(clientSize);
        flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint;
        break;
    }
    setWindowFlags(flags);
}

RosterWindow::~RosterWindow()
{
    if (activeWindow == this)
        activeWindow = nullptr;
}

QSize RosterWindow::clientOfOuter(QSize outer)
{
    return outer - QSize(2 * 4, 19 + 2 * 4);
}

void RosterWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (!shownBefore_) {
        // Centred the first time only: later showings leave the window where
        // it was, or where the player moved it.
        shownBefore_ = true;
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            QRect placed(QPoint(), frameGeometry().size());
            placed.moveCenter(screen->availableGeometry().center());
            move(placed.topLeft());
        }
    }
    // A window comes up active, as on the classic desktop: without a window
    // manager nothing else would activate it.
    if (comesUpActive_)
        activateWindow();
    // The native window exists but is not mapped yet: mapping leaves the
    // stacking as it is, so the windows that stay on top come up over it.
    RaiseStayOnTopWindows(this);
    FormShow();
}

void RosterWindow::showWithoutActivating()
{
    comesUpActive_ = false;
    show();
    comesUpActive_ = true;
}

void RosterWindow::bringToFront()
{
    raise();
    RaiseStayOnTopWindows(this);
}

void RosterWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    FormHide();
    if (activeWindow == this) {
        activeWindow = nullptr;
        FormDeactivate();
    }
}

bool RosterWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && activeWindow != this) {
        RosterWindow *previous = activeWindow;
        activeWindow = this;
        if (previous)
            previous->FormDeactivate();
    }
    return QWidget::event(event);
}

bool RosterWindow::focusNextPrevChild(bool next)
{
    // Qt hands the focus of a control being disabled on to the next one in
    // the tab order; on the classic desktop the window keeps it itself, so a
    // key pressed twice on a control that disables itself (the die after a
    // roll) reaches no other control.
    if (const QWidget *focused = focusWidget(); focused && focused != this && !focused->isEnabled()) {
        setFocus(Qt::OtherFocusReason);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}
