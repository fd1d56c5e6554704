#include "editor/window/QuizPrintCommands.h"

#include "editor/document/BankFileWriter.h"
#include "editor/document/StarterBanks.h"
#include "editor/window/MenuCommands.h"
#include "editor/window/QuizPrinter.h"
#include "editor/window/QuizSheetDialog.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPdfWriter>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>

QuizPrintCommands::QuizPrintCommands(QMainWindow *window, const QAbstractItemModel *model, std::function<bool()> ready,
                                     std::function<QString()> bankPath)
    : QObject(window), window_(window), model_(model), ready_(std::move(ready)), bankPath_(std::move(bankPath)),
      actions_(buildActions())
{
    setObjectName(QStringLiteral("quizPrint"));
}

// Their texts are the window's menus.
QuizPrintCommands::Actions QuizPrintCommands::buildActions()
{
    const Actions made{
        MakeAction(window_, "actionPrintPreview", QCoreApplication::translate("BankEditorWindow", "Print Pre&view…"), {}),
        MakeAction(window_, "actionPrint", QCoreApplication::translate("BankEditorWindow", "&Print…"),
                   QKeySequence::keyBindings(QKeySequence::Print)),
        MakeAction(window_, "actionExportPdf", QCoreApplication::translate("BankEditorWindow", "E&xport PDF…"), {}),
        MakeAction(window_, "actionNewAnswerOrder", QCoreApplication::translate("BankEditorWindow", "New Answer Or&der"),
                   {}),
    };
    made.preview->setStatusTip(
        QCoreApplication::translate("BankEditorWindow", "Show the question sheet and its answer key as they will print"));
    made.exportPdf->setStatusTip(
        QCoreApplication::translate("BankEditorWindow", "Save the question sheet and its answer key as a PDF file"));
    made.newOrder->setStatusTip(QCoreApplication::translate("BankEditorWindow", "Shuffle the answers of the next print anew"));
    connect(made.preview, &QAction::triggered, this, &QuizPrintCommands::preview);
    connect(made.print, &QAction::triggered, this, &QuizPrintCommands::print);
    connect(made.exportPdf, &QAction::triggered, this, &QuizPrintCommands::exportPdf);
    connect(made.newOrder, &QAction::triggered, this, &QuizPrintCommands::newAnswerOrder);
    return made;
}

QuizPrintCommands::~QuizPrintCommands() = default;

namespace {

// Settings keys may not hold slashes, so a bank's path goes in by its hash.
QString SeedKey(const QString &path)
{
    return QStringLiteral("answerOrder/")
        + QString::fromLatin1(QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex());
}

// The order last printed of a bank, so that changing it can ask first.
QString PrintedKey(const QString &path)
{
    return QStringLiteral("printedOrder/") + SeedKey(path).section(u'/', 1);
}

void KeepSeed(const QString &path, quint32 seed)
{
    if (!path.isEmpty())
        QSettings().setValue(SeedKey(path), seed);
}

} // namespace

quint32 QuizPrintCommands::seed()
{
    const QString path = bankPath_();
    if (seed_) {
        // The same bank saved under a name: its printed copies keep their order.
        if (path != seedPath_)
            KeepSeed(path, *seed_);
    } else {
        bool kept = false;
        const quint32 stored = path.isEmpty() ? 0 : QSettings().value(SeedKey(path)).toUInt(&kept);
        // Orders kept before they were numbered for typing in are too long.
        kept = kept && stored >= 1 && stored <= LargestQuizOrder;
        seed_ = kept ? stored : NewQuizSeed(0);
        if (!kept)
            KeepSeed(path, *seed_);
        printed_ = kept && QSettings().value(PrintedKey(path)).toUInt() == stored;
    }
    seedPath_ = path;
    return *seed_;
}

QList<QuizQuestion> QuizPrintCommands::plan()
{
    return PlanQuiz(*model_, seed());
}

QuizSheetOptions QuizPrintCommands::options()
{
    QuizSheetOptions options = options_.value_or(QuizSheetOptions{title()});
    options.order = seed();
    return options;
}

QuizSheet QuizPrintCommands::sheet()
{
    return MakeQuizSheet(plan(), options());
}

void QuizPrintCommands::newAnswerOrder()
{
    if (!setOrder(NewQuizSeed(seed())))
        return;
    window_->statusBar()->showMessage(tr("The answers will be printed in a new order."), 4000);
}

bool QuizPrintCommands::setOrder(quint32 order)
{
    if (order == seed())
        return true;
    if (printed_) {
        QMessageBox ask(QMessageBox::Question, tr("Korvane Question Editor"),
                        tr("Sheets of order %1 were already printed. Their key will not match a sheet of "
                           "another order. Change the order?")
                            .arg(seed()),
                        QMessageBox::Yes | QMessageBox::No, window_);
        ask.setObjectName(QStringLiteral("changeOrderQuestion"));
        ask.setDefaultButton(QMessageBox::No);
        if (ask.exec() != QMessageBox::Yes)
            return false;
    }
    seed_ = order;
    printed_ = false;
    KeepSeed(seedPath_, order);
    return true;
}

void QuizPrintCommands::markPrinted()
{
    printed_ = true;
    if (!seedPath_.isEmpty())
        QSettings().setValue(PrintedKey(seedPath_), *seed_);
}

void QuizPrintCommands::reset()
{
    seed_.reset();
    options_.reset();
    printed_ = false;
}

QString QuizPrintCommands::title() const
{
    if (options_ && !options_->title.isEmpty())
        return options_->title;
    const QString path = bankPath_();
    const QString shipped = StarterBankTitle(path);
    return !shipped.isEmpty() ? shipped : path.isEmpty() ? tr("Quiz") : QFileInfo(path).completeBaseName();
}

void QuizPrintCommands::chooseOptions(const QString &go, void (QuizPrintCommands::*then)())
{
    if (!canPrint())
        return;
    const auto make = [this](const QuizSheetOptions &chosen) {
        return MakeQuizSheet(PlanQuiz(*model_, chosen.order), chosen);
    };
    auto *dialog = new QuizSheetDialog(window_, options(), int(plan().size()), printer(), make, go);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, then] {
        const QuizSheetOptions chosen = dialog->options();
        if (!setOrder(chosen.order))
            return;
        options_ = chosen;
        (this->*then)();
    });
    dialog->open();
}

bool QuizPrintCommands::canPrint()
{
    if (!ready_())
        return false;
    if (plan().isEmpty()) {
        window_->statusBar()->showMessage(tr("There is nothing to print: no line has a question."), 8000);
        return false;
    }
    return true;
}

QPrinter *QuizPrintCommands::printer()
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageMargins(QMarginsF(18, 16, 18, 14), QPageLayout::Millimeter);
    }
    return printer_.get();
}

void QuizPrintCommands::print()
{
    chooseOptions(tr("&Print…"), &QuizPrintCommands::openPrintDialog);
}

void QuizPrintCommands::preview()
{
    chooseOptions(tr("Pre&view"), &QuizPrintCommands::openPreview);
}

void QuizPrintCommands::exportPdf()
{
    chooseOptions(tr("E&xport…"), &QuizPrintCommands::chooseExportFile);
}

void QuizPrintCommands::openPrintDialog()
{
    auto *dialog = new QPrintDialog(printer(), window_);
    dialog->setObjectName(QStringLiteral("printDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, qOverload<QPrinter *>(&QPrintDialog::accepted), this, [this](QPrinter *chosen) {
        chosen->setDocName(title());
        if (PrintQuiz(chosen, sheet()) == 0)
            warn(tr("The quiz was not printed: the printer could not start."));
        else
            markPrinted();
    });
    dialog->open();
}

void QuizPrintCommands::openPreview()
{
    auto *dialog = new QPrintPreviewDialog(printer(), window_);
    dialog->setObjectName(QStringLiteral("printPreviewDialog"));
    dialog->setWindowTitle(tr("Print Preview — %1").arg(title()));
    // Big enough to read a page, as the editor's window is.
    dialog->resize(window_->size());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *target) {
                target->setDocName(title());
                PrintQuiz(target, sheet());
            });
    dialog->open();
}

void QuizPrintCommands::chooseExportFile()
{
    const QString bank = bankPath_();
    const QString start = bank.isEmpty() ? QDir::home().filePath(title() + QStringLiteral(".pdf"))
                                         : QFileInfo(bank).dir().filePath(title() + QStringLiteral(".pdf"));
    auto *dialog = new QFileDialog(window_, tr("Export PDF"), start, tr("PDF documents (*.pdf);;All files (*)"));
    dialog->setObjectName(QStringLiteral("exportPdfDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &path) {
        const QString error = writePdf(path);
        if (error.isEmpty())
            window_->statusBar()->showMessage(tr("Exported %1").arg(QDir::toNativeSeparators(path)), 8000);
        else
            warn(tr("“%1” could not be written: %2. Choose another folder or name, then export again.")
                     .arg(QDir::toNativeSeparators(path), error));
    });
    dialog->open();
}

QString QuizPrintCommands::writePdf(const QString &path)
{
    // Drawn in memory, then written as Save writes a bank: beside the old
    // file, which is replaced only once the new one is whole, a failure told
    // in the system's words. A file device would take a short write at a
    // file-size limit or a full disk for a whole one.
    QBuffer pdfBytes;
    pdfBytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&pdfBytes);
        pdf.setResolution(printer()->resolution());
        pdf.setPageLayout(printer()->pageLayout());
        pdf.setCreator(tr("Korvane Question Editor"));
        pdf.setTitle(title());
        if (PrintQuiz(&pdf, sheet()) == 0)
            return tr("the pages could not be drawn");
    }
    const QString error = WriteBankFile(path, pdfBytes.data());
    if (error.isEmpty())
        markPrinted();
    return error;
}

void QuizPrintCommands::warn(const QString &text)
{
    // Window-modal, as the editor's other messages: the caller goes on.
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Korvane Question Editor"), text, QMessageBox::Ok, window_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
