#pragma once

#include <QList>
#include <QString>

#include <array>

class QAbstractItemModel;

// One question as a printed quiz asks it: its number on the sheet and its
// three answers in the order printed (A, B, C), with which of them is right.
struct QuizQuestion {
    int number = 0;
    int row = 0; // the bank line it comes from, counted from 0
    QString question;
    std::array<QString, 3> answers;
    int right = 0; // index into answers

    bool operator==(const QuizQuestion &) const = default;
};

// The questions the game reads from a bank table (columns: the question, the
// right answer, two wrong answers), numbered from 1 with empty slots
// skipped, each with its answers shuffled. The one seed decides every order,
// so the sheet and its answer key, and a reprint, agree.
QList<QuizQuestion> PlanQuiz(const QAbstractItemModel &model, quint32 seed);

// 'A', 'B' or 'C'.
QChar AnswerLetter(int index);

// A fresh seed, never `previous`, so that asking for a new order gets one.
quint32 NewQuizSeed(quint32 previous);
