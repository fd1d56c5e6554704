#pragma once

#include <QCoreApplication>
#include <QWidget>

// One of the program's eight windows. All are created hidden at start-up and
// live until the program ends; they are only shown and hidden.
//
// Showing and hiding run FormShow and FormHide synchronously, inside the call
// that changes the visibility: the windows hand data to each other by writing
// into a window just before showing it. Minimising and restoring are not
// showing and hiding and run neither.
//
// Closing a window only hides it; the setup window overrides that to end the
// program.
class RosterWindow : public QWidget {
    Q_OBJECT
public:
    enum class Frame {
        Sizeable, // resizable, with minimise and maximise boxes
        Single,   // fixed size, with minimise and maximise boxes
        Dialog,   // fixed size, close box only
    };

    RosterWindow(const char *name, const QString &caption, Frame frame, QSize clientSize);
    ~RosterWindow() override;

    // The client size of a window the design gives by its outer size, taking
    // the frame of a classic sizeable window (4 pixels around, a 19-pixel
    // caption) so the controls keep their designed room on any desktop.
    static QSize clientOfOuter(QSize outer);

    // Shows the window and leaves the keyboard where it is, which showing a
    // window otherwise takes.
    void showWithoutActivating();

    // Brings the window to the front, yet beneath the program's windows that
    // stay on top.
    void bringToFront();

    // The creation event, run once the window's reference is set.
    virtual void FormCreate() {}

protected:
    virtual void FormShow() {}
    virtual void FormHide() {}
    // The window stopped being the program's active window: another of its
    // windows became active, or the window was hidden. Leaving for another
    // program does not count, as the player has not moved on in this one.
    virtual void FormDeactivate() {}

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool event(QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    bool shownBefore_ = false;
    bool comesUpActive_ = true;
};
