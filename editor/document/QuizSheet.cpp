#include "editor/document/QuizSheet.h"

#include "forms/BankFile.h"

#include <QAbstractItemModel>
#include <QCryptographicHash>
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
        seed = QRandomGenerator::global()->bounded(1u, LargestQuizOrder + 1);
    return seed;
}

namespace {

// Four hex digits of the questions and their answers as printed: the same
// order of an edited bank gets another.
QString Check(const QList<QuizQuestion> &questions)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QuizQuestion &question : questions) {
        hash.addData(question.question.toUtf8());
        for (const QString &answer : question.answers)
            hash.addData(QByteArray(1, '\0') + answer.toUtf8());
        hash.addData(QByteArray(1, char('A' + question.right)));
    }
    return QString::fromLatin1(hash.result().left(2).toHex().toUpper());
}

QList<QuizQuestion> Chosen(const QList<QuizQuestion> &planned, const QuizSheetOptions &options)
{
    switch (options.choice) {
    case QuizChoice::All:
        return planned;
    case QuizChoice::Range: {
        const int from = std::clamp(options.from, 1, int(planned.size()) + 1);
        const int to = std::clamp(options.to, from - 1, int(planned.size()));
        return planned.mid(from - 1, to - from + 1);
    }
    case QuizChoice::Random: {
        // A stream of its own, so the draw leaves the answers' order alone.
        const quint32 streamSeed[] = {options.order, 1};
        QRandomGenerator random(streamSeed, 2);
        QList<int> rows(planned.size());
        std::iota(rows.begin(), rows.end(), 0);
        const int count = std::clamp(options.count, 0, int(rows.size()));
        for (int i = 0; i < count; ++i)
            std::swap(rows[i], rows[i + int(random.bounded(quint32(rows.size() - i)))]);
        rows.resize(count);
        std::sort(rows.begin(), rows.end());
        QList<QuizQuestion> chosen;
        for (int row : rows)
            chosen.append(planned[row]);
        return chosen;
    }
    }
    return planned;
}

} // namespace

QuizSheet MakeQuizSheet(const QList<QuizQuestion> &planned, const QuizSheetOptions &options)
{
    QuizSheet sheet{options.title, options.order, {}, Chosen(planned, options), options.compact};
    for (int i = 0; i < sheet.questions.size(); ++i)
        sheet.questions[i].number = i + 1;
    sheet.check = Check(sheet.questions);
    return sheet;
}
