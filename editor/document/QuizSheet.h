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

// Orders are numbered from 1 to this, short enough to print and to type
// back in to bring an order back.
constexpr quint32 LargestQuizOrder = 9999;

// A fresh order number, never `previous`, so that asking for a new order
// gets one.
quint32 NewQuizSeed(quint32 previous);

// Which of the planned questions a sheet asks.
enum class QuizChoice { All, Range, Random };

// What the teacher chooses before printing.
struct QuizSheetOptions {
    QString title;
    QuizChoice choice = QuizChoice::All;
    int from = 1, to = 25; // the range, by the questions' numbers on the full sheet
    int count = 20; // drawn at random
    bool compact = false;
    quint32 order = 1; // the seed: it shuffles the answers and draws the questions

    bool operator==(const QuizSheetOptions &) const = default;
};

// A sheet as printed, its key made from the same questions.
struct QuizSheet {
    QString title;
    quint32 order = 0;
    QString check; // tells whether a sheet and a key were made from the same questions
    QList<QuizQuestion> questions; // numbered from 1 as printed
    bool compact = false;
};

// The sheet the options choose from a quiz planned with `options.order`. A
// range out of bounds is cut to the questions there are; a random draw keeps
// the bank's order and is the same for the same order number.
QuizSheet MakeQuizSheet(const QList<QuizQuestion> &planned, const QuizSheetOptions &options);
