#include "editor/document/QuizSheet.h"

#include "forms/BankFile.h"

#include <QAbstractItemModel>
#include <QRandomGenerator>

#include <algorithm>
#include <numeric>

QList<QuizQuestion> PlanQuiz(const QAbstractItemModel &model, quint32 seed)
{
    // QRandomGenerator's draws from a seed are the same on every platform,
    // unlike the standard library's distributions.
    QRandomGenerator random(seed);
    QList<QuizQuestion> questions;
    const int rows = std::min(model.rowCount(), int(BankSlots));
    const auto text = [&model](int row, int column) { return model.index(row, column).data().toString().simplified(); };
    for (int row = 0; row < rows; ++row) {
        QuizQuestion question;
        question.question = text(row, 0);
        if (question.question.isEmpty())
            continue;
        std::array<int, 3> order{};
        std::iota(order.begin(), order.end(), 1);
        for (int i = int(order.size()) - 1; i > 0; --i)
            std::swap(order[std::size_t(i)], order[random.bounded(quint32(i + 1))]);
        for (std::size_t i = 0; i < order.size(); ++i) {
            question.answers[i] = text(row, order[i]);
            if (order[i] == 1)
                question.right = int(i);
        }
        question.number = int(questions.size()) + 1;
        question.row = row;
        questions.append(question);
    }
    return questions;
}

QChar AnswerLetter(int index)
{
    return QChar(u'A' + index);
}

quint32 NewQuizSeed(quint32 previous)
{
    quint32 seed = previous;
    while (seed == previous)
        seed = QRandomGenerator::global()->generate();
    return seed;
}
