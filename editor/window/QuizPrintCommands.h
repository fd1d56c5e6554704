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
// answer key, as chosen in the options panel each shows first; one seed, the
// order's number, orders the answers of both and draws a random choice. The
// order stays from one print to the next, so that a reprint matches the
// copies already handed out, until New Answer Order or another number set
// in the panel, which ask first once the order was printed. A saved bank's
// order is kept in the settings, so that a reprint on another day matches
// too. The window places their actions.
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

    // The whole quiz in the order printed now.
    QList<QuizQuestion> plan();
    // The sheet as printed now, with the options last chosen.
    QuizSheet sheet();
    // The printer and its page setup, kept from one print to the next.
    QPrinter *printer();
    // As last chosen, or the first time the default title and all questions.
    QuizSheetOptions options();

private:
    Actions buildActions();
    // The title last chosen, else the shipped bank's title, else its file's name.
    QString title() const;
    // When there is something to print, the options panel, window-modal;
    // once accepted (and a changed order confirmed), `then`. `go` names its
    // button.
    void chooseOptions(const QString &go, void (QuizPrintCommands::*then)());
    // What each command does once the options are chosen.
    void openPrintDialog();
    void openPreview();
    void chooseExportFile();
    // False when the user keeps the order already printed.
    bool setOrder(quint32 order);
    void markPrinted();
    // False, with a word in the status bar, when there is nothing to print.
    bool canPrint();
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
    bool printed_ = false; // sheets of this order are out
    std::optional<QuizSheetOptions> options_; // as last chosen for this bank
    // Made at the first print: finding printers can take a while. Kept, so
    // that the printer and options chosen stay for the next print.
    std::unique_ptr<QPrinter> printer_;
    Actions actions_;
};
