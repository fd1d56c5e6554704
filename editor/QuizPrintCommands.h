#pragma once

#include "QuizSheet.h"

#include <QObject>

#include <functional>
#include <memory>

class QAbstractItemModel;
class QMainWindow;
class QPrinter;

// Print, Print Preview and Export PDF make the bank's question sheet and its
// answer key; one seed orders the answers of both. The seed stays from one
// print to the next, so that a reprint matches the copies already handed
// out, until New Answer Order or another bank.
class QuizPrintCommands : public QObject {
    Q_OBJECT

public:
    // `ready` runs before each print and may refuse it (a cell's typing that
    // cannot be committed); `bankPath` is the open bank's file, or empty.
    QuizPrintCommands(QMainWindow *window, const QAbstractItemModel *model, std::function<bool()> ready,
                      std::function<QString()> bankPath);
    ~QuizPrintCommands() override;

    void print();
    void preview();
    void exportPdf();
    void newAnswerOrder();
    // Another bank (new, opened or recovered): an order of its own.
    void reset();

    // The quiz as printed now.
    QList<QuizQuestion> plan() const;

private:
    QString title() const;
    // False, with a word in the status bar, when there is nothing to print.
    bool canPrint();
    QPrinter *printer();
    // False when the file could not be written.
    bool writePdf(const QString &path);
    void warn(const QString &text);

    QMainWindow *window_;
    const QAbstractItemModel *model_;
    std::function<bool()> ready_;
    std::function<QString()> bankPath_;
    quint32 seed_;
    // Made at the first print: finding printers can take a while. Kept, so
    // that the printer and options chosen stay for the next print.
    std::unique_ptr<QPrinter> printer_;
};
