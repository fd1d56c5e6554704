#pragma once

#include <QFrame>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

// The few control kinds the windows are built from, beyond Qt's own buttons.
// Every control takes its design name as objectName and its design
// position and size as geometry.

// The base of labels and pictures: both may be clicked (a press and a
// release of the left button over the control).
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed_ = false;
};

// A text label on the window's colour (setAutoFillBackground(false) makes it
// transparent). Captions are always plain text: a player's name is shown as
// typed, never read as markup. A self-sizing label follows its caption and
// font; it is measured while on screen only, since measuring text loads fonts
// and most labels are built long before their window is shown.
class Label : public ClickableLabel {
public:
    enum Sizing { Fixed, AutoSize };
    Label(QWidget *parent, const char *name, const QRect &geometry, const QString &caption,
          Sizing sizing = AutoSize);

    QString caption() const { return text(); }
    void setCaption(const QString &caption);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fitCaption();

    Sizing sizing_;
};

// A PNG compiled into the program, decoded as it is. Every picture is a PNG,
// which Qt decodes without a plugin.
QImage ReadPng(const QString &resource);
// Pictures compiled into the program. Each is decoded once, at the size it is
// shown, and shared by every control that shows it. On a screen of more than
// one device pixel per pixel the sharper "@2x" drawing is used, brought to the
// screen's exact ratio, so a picture keeps its size in pixels and its place.
QPixmap Picture(const QString &resource);
// A picture shrunk to fit a frame, its proportions kept.
QPixmap FittedPicture(const QString &resource, const QSize &frame);
// A picture as an icon. Built from the decoded picture rather than the file's
// name, which would have Qt ask every image plugin what the file is.
QIcon PictureIcon(const QString &resource);

// A picture drawn from its top-left corner, unscaled.
class Image : public ClickableLabel {
public:
    Image(QWidget *parent, const char *name, const QRect &geometry, const QString &resource = {},
          const QString &spokenName = {});

    // The picture is decoded when first shown or asked for, not when the
    // window is built: most windows stay hidden long after start-up.
    QPixmap picture() const;
    void setPicture(const QPixmap &picture);
    // Shows a picture shrunk to fit the control, decoded as lazily.
    void setFittedPicture(const QString &resource);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void decodePending();

    QString pending_; // the resource not decoded yet
    bool fitted_ = false;
};

// A rectangle with a white fill and a thin black outline.
class Shape : public QWidget {
public:
    Shape(QWidget *parent, const char *name, const QRect &geometry);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// Bevels: a sunken box, a raised box, or an etched frame line.
enum class BevelStyle { Lowered, Raised, Frame };
QFrame *MakeBevel(QWidget *parent, const char *name, const QRect &geometry, BevelStyle style);

// A one-line edit box that selects its whole text whenever it receives the
// focus by the keyboard or from the program, so typing replaces the offered
// text. A click into it places the caret instead, and coming back to its
// window from another program leaves the text as it was.
class Edit : public QLineEdit {
public:
    Edit(QWidget *parent, const char *name, const QRect &geometry, const QString &text);

    // The program gives the box the focus. The text is selected at once: the
    // box may hold the focus already, or its window may not be active yet and
    // the focus only arrive with the activation, and neither brings a
    // focus-in of its own.
    void takeFocus();

protected:
    void focusInEvent(QFocusEvent *event) override;
};

// A push button; Enter presses it while it has the focus, as on a classic
// desktop.
QPushButton *MakeButton(QWidget *parent, const char *name, const QRect &geometry, const QString &caption,
                        const QString &glyph = {});

// A speed button: clicked with the mouse, it never takes the keyboard focus.
QToolButton *MakeSpeedButton(QWidget *parent, const char *name, const QRect &geometry, const QString &caption,
                             const QString &glyph = {});

// Gives a control the keyboard focus as the classic desktop does: a control on
// another window of the program makes that window the active one.
void FocusControl(QWidget *control);

// A multi-line text box the player reads but cannot edit: sunken, or flat
// without a border on the window's own colour. It takes its text and font
// when first shown.
enum class MemoLook { Sunken, Flat };
QPlainTextEdit *MakeMemo(QWidget *parent, const char *name, const QRect &geometry, const QString &text,
                         MemoLook look, bool scrollBar = false);

// A text compiled into the program, such as the manual: its copy in the
// default locale's language, FOLDER/LANGUAGE/NAME, where there is one.
QString ResourceText(const QString &path);
