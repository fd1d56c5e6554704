#pragma once

#include "editor/document/QuizSheet.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class QAbstractItemModel;
class QAction;
class QMainWindow;
class QPrinter;

// Print, Print Preview and Export PDF make the bank's question sheet and its
// answer key; one seed orders the answers of both. The seed stays from one
// print to the next, so that a reprint matches the copies already handed
// out, until New Answer Order. A saved bank's seed is kept in the settings,
// so that a reprint on another day matches too. The window places their
// actions.
class QuizPrintCommands : public QObject {
    Q_OBJECT

public:
    struct Actions {
        QAction *preview, *print, *exportPdf, *newOrder;
    };

    // `ready` runs before each print and may refuse it (a cell's typing that
    // cannot be committed); `bankPath` is the open bank's file, or empty.
    QuizPrintCommands(QMainWindow *window, const QAbstractItemModel *model, std::function<bool()> ready,
                      std::function<QString()> bankPath);
    ~QuizPrintCommands() override;

    const Actions &actions() const { return actions_; }

    void print();
    void preview();
    void exportPdf();
    void newAnswerOrder();
    // Another bank (new, opened or recovered): its own order, kept or new.
    void reset();

    // The quiz as printed now.
    QList<QuizQuestion> plan();

private:
    Actions buildActions();
    QString title() const;
    // False, with a word in the status bar, when there is nothing to print.
    bool canPrint();
    QPrinter *printer();
    // Why the file could not be written, in the system's words, or empty.
    QString writePdf(const QString &path);
    void warn(const QString &text);
    // The open bank's seed: the one kept for its file, or a new one.
    quint32 seed();

    QMainWindow *window_;
    const QAbstractItemModel *model_;
    std::function<bool()> ready_;
    std::function<QString()> bankPath_;
    std::optional<quint32> seed_;
    QString seedPath_; // the bank the seed belongs to
    // Made at the first print: finding printers can take a while. Kept, so
    // that the printer and options chosen stay for the next print.
    std::unique_ptr<QPrinter> printer_;
    Actions actions_;
};
