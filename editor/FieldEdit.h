#pragma once

#include <QLineEdit>

// The table's cell editor. A double quote cannot be typed or pasted in (the
// game ends a field with it), a counter shows the length against the width
// the game keeps, and characters Windows-1252 lacks are marked as typed.
class FieldEdit : public QLineEdit {
    Q_OBJECT

public:
    FieldEdit(QWidget *parent, int width);

signals:
    // A short explanation for the user: why a key was refused, what is marked.
    void hint(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void markUnencodable();
    void explain(const QString &text);
    QString counterText() const;

    int width_;
    int marked_ = 0; // characters marked so far
};
