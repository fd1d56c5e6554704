#include "editor/window/QuizPrintCommands.h"

#include "editor/document/BankFileWriter.h"
#include "editor/window/MenuCommands.h"
#include "editor/window/QuizPrinter.h"

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
        MakeAction(window_, "actionNewAnswerOrder", QCoreApplication::translate("BankEditorWindow", "New Answer &Order"),
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
        seed_ = kept ? stored : NewQuizSeed(0);
        if (!kept)
            KeepSeed(path, *seed_);
    }
    seedPath_ = path;
    return *seed_;
}

QList<QuizQuestion> QuizPrintCommands::plan()
{
    return PlanQuiz(*model_, seed());
}

void QuizPrintCommands::newAnswerOrder()
{
    seed_ = NewQuizSeed(seed());
    KeepSeed(seedPath_, *seed_);
    window_->statusBar()->showMessage(tr("The answers will be printed in a new order."), 4000);
}

void QuizPrintCommands::reset()
{
    seed_.reset();
}

QString QuizPrintCommands::title() const
{
    const QString path = bankPath_();
    return path.isEmpty() ? tr("Quiz") : QFileInfo(path).completeBaseName();
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
    if (!canPrint())
        return;
    auto *dialog = new QPrintDialog(printer(), window_);
    dialog->setObjectName(QStringLiteral("printDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, qOverload<QPrinter *>(&QPrintDialog::accepted), this, [this](QPrinter *chosen) {
        chosen->setDocName(title());
        if (PrintQuiz(chosen, title(), plan()) == 0)
            warn(tr("The quiz was not printed: the printer could not start."));
    });
    dialog->open();
}

void QuizPrintCommands::preview()
{
    if (!canPrint())
        return;
    auto *dialog = new QPrintPreviewDialog(printer(), window_);
    dialog->setObjectName(QStringLiteral("printPreviewDialog"));
    dialog->setWindowTitle(tr("Print Preview — %1").arg(title()));
    // Big enough to read a page, as the editor's window is.
    dialog->resize(window_->size());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *target) {
                target->setDocName(title());
                PrintQuiz(target, title(), plan());
            });
    dialog->open();
}

void QuizPrintCommands::exportPdf()
{
    if (!canPrint())
        return;
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
        if (PrintQuiz(&pdf, title(), plan()) == 0)
            return tr("the pages could not be drawn");
    }
    return WriteBankFile(path, pdfBytes.data());
}

void QuizPrintCommands::warn(const QString &text)
{
    // Window-modal, as the editor's other messages: the caller goes on.
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Korvane Question Editor"), text, QMessageBox::Ok, window_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
