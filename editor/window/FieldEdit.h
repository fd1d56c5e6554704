#pragma once

#include <QLineEdit>

// The table's cell editor. A double quote, which would end the field in the
// game, becomes a typographic one as it is typed or pasted; a counter shows
// the length against the width the game keeps, and characters Windows-1252
// lacks are marked as typed.
class FieldEdit : public QLineEdit {
    Q_OBJECT

public:
    FieldEdit(QWidget *parent, int width);

    // True while a key typed is being handled, as opposed to a paste or a drop.
    bool isTyping() const { return typing_; }
    // True once the author changed the text; unlike QLineEdit::isModified it
    // holds after a paste the validator fitted.
    bool isEdited() const { return edited_; }

signals:
    // A short explanation for the user: why a key was refused, what is marked.
    void hint(const QString &text);
    // The hint no longer holds: what it marked is gone.
    void hintEnded(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void markUnencodable();
    void explain(const QString &text);
    QString counterText() const;

    int width_;
    int marked_ = 0; // characters marked so far
    QString markHint_; // what was said of the last mark
    bool typing_ = false;
    bool edited_ = false;
};
