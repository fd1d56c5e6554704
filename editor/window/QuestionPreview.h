#pragma once

#include "forms/BankFile.h"

#include <QWidget>

#include <array>

class Label;
class QLabel;

// What the game's loader makes of a line holding these four fields, cut to
// the line length and field widths as it reads them.
BankEntry EntryOfFields(const std::array<QString, BankFieldCount> &fields);

// The middle of the game's question window: the question and its three
// answer lines, in the game's boxes and fonts, cut and wrapped as the game
// does. Answers stand in bank order (A is the right one); the game shuffles.
class QuestionPreview : public QWidget {
    Q_OBJECT

public:
    explicit QuestionPreview(QWidget *parent = nullptr);

    // read: whether the game reads the line at all (only the first 100).
    void showEntry(const BankEntry &entry, bool read);
    void clear();

    QString questionShown() const;
    QString answerShown(int line) const; // 1..3

private:
    Label *question_ = nullptr;
    std::array<Label *, 3> answers_{};
    QLabel *note_ = nullptr;
};
