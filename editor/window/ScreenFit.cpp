#include "editor/window/ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

void Fit(QWidget *window)
{
    if (window->isMaximized() || window->isFullScreen())
        return;
    const QRect frame = window->frameGeometry();
    const QScreen *screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = window->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // The title bar and borders count too, once the window system has drawn them.
    const QRect inner = window->geometry();
    const QMargins borders(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                           frame.bottom() - inner.bottom());
    window->resize(window->size().boundedTo(available.size().shrunkBy(borders)));
    const QSize outer = window->size().grownBy(borders);
    // A window never placed is left where the window system placed it, unless it runs off the screen there.
    if (!window->testAttribute(Qt::WA_Moved) && available.contains(QRect(frame.topLeft(), outer)))
        return;
    // Within the screen, left and top edges first when the window is larger still.
    const int x = std::max(available.left(), std::min(frame.left(), available.right() + 1 - outer.width()));
    const int y = std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - outer.height()));
    window->move(x, y);
}

// Fits the window again once it is shown, and as the window system places
// it and draws its borders, which under X come a moment after the show.
class FitOnShow : public QObject {
public:
    explicit FitOnShow(QWidget *window) : QObject(window) { window->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && !shown_) {
            shown_ = true;
            QTimer::singleShot(PlacingTime, this, [this, window] {
                window->removeEventFilter(this);
                deleteLater();
            });
        }
        if (shown_ && (event->type() == QEvent::Show || event->type() == QEvent::Move || event->type() == QEvent::Resize))
            QTimer::singleShot(0, window, [window] { Fit(window); });
        return false;
    }

private:
    static constexpr int PlacingTime = 1000; // ms
    bool shown_ = false;
};

} // namespace

void KeepOnScreen(QWidget *window)
{
    Fit(window);
    new FitOnShow(window);
}
