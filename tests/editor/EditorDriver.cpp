// The question editor as its own process, for tests that kill it, end it or
// start it again: korvedit's start-up (its termination handling, the bank
// on the command line, the recovery offered at start), obeying one command
// a line on its standard input and answering each with one line on its
// standard output, "ok" and what was asked for, or "error" and why:
//
//   open PATH                 opens a bank, as a drop or Open does once settled
//   set ROW COLUMN "TEXT"     edits a cell; TEXT is a JSON string
//   trigger ACTION            triggers the window's action of that name
//   boxes                     the message boxes shown: a JSON array of
//                             {"name", "text", "informative", "buttons"}
//   press BOX BUTTON          clicks the button of that text (without &)
//   choose DIALOG PATH        chooses PATH in the file dialog of that name
//   accept DIALOG             accepts the dialog of that name as it stands
//   rows                      the fields as shown: a JSON array of arrays
//   state                     {"file", "modified", "recovery", "current"}
//   wait-recovery             waits until the recovery file holds the
//                             document as it is, and answers with its path
//   recovery-folder           where the recovery files go
//   quit                      ends at once, asking nothing
//
// "ready" is written once the window is shown and the start-up offers open.
// Test-only: never installed.
#include "editor/window/BankEditorWindow.h"
#include "editor/window/BankTableModel.h"
#include "editor/document/RecoveryFolder.h"
#include "editor/window/RecoveryKeeper.h"
#include "editor/document/TerminationSignal.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QTest>

#include <cstdio>
#include <thread>
#include <utility>

namespace {

QByteArray Json(const QJsonValue &value)
{
    const QJsonArray wrapped{value};
    const QByteArray text = QJsonDocument(wrapped).toJson(QJsonDocument::Compact);
    return text.sliced(1, text.size() - 2);
}

// Reads the commands on a thread of its own, as no event notifier watches
// a console's or a pipe's input on every system, and runs them on the GUI
// thread, one at a time.
class Driver : public QObject {
public:
    explicit Driver(BankEditorWindow &window) : window_(window)
    {
        std::thread([this] {
            QByteArray line;
            char chunk[4096];
            while (std::fgets(chunk, sizeof chunk, stdin)) {
                line += chunk;
                if (!line.endsWith('\n'))
                    continue;
                line.chop(1);
                QMetaObject::invokeMethod(this, [this, line] { received(QString::fromUtf8(line)); }, Qt::QueuedConnection);
                line.clear();
            }
            // The test is gone: so is its editor.
            QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        }).detach();
    }

private:
    void received(const QString &line)
    {
        pending_.append(line);
        // A command may wait in an event loop of its own: no other starts meanwhile.
        if (std::exchange(busy_, true))
            return;
        while (!pending_.isEmpty()) {
            const QByteArray answer = run(pending_.takeFirst());
            std::fwrite(answer.constData(), 1, std::size_t(answer.size()), stdout);
            std::fputc('\n', stdout);
            std::fflush(stdout);
        }
        busy_ = false;
    }

    QByteArray run(const QString &line)
    {
        const QString command = line.section(u' ', 0, 0);
        const QString rest = line.section(u' ', 1);
        if (command == u"open")
            return window_.openFile(rest) ? "ok" : "error cannot open";
        if (command == u"set")
            return set(rest);
        if (command == u"trigger") {
            auto *action = window_.findChild<QAction *>(rest);
            if (!action)
                return "error no action " + rest.toUtf8();
            action->trigger();
            return "ok";
        }
        if (command == u"boxes")
            return "ok " + boxes();
        if (command == u"press")
            return press(rest.section(u' ', 0, 0), rest.section(u' ', 1));
        if (command == u"choose") {
            auto *dialog = window_.findChild<QFileDialog *>(rest.section(u' ', 0, 0));
            if (!dialog)
                return "error no dialog " + rest.section(u' ', 0, 0).toUtf8();
            dialog->selectFile(rest.section(u' ', 1));
            static_cast<QDialog *>(dialog)->accept(); // as its Save or Open button does
            return "ok";
        }
        if (command == u"accept") {
            auto *dialog = window_.findChild<QDialog *>(rest);
            if (!dialog)
                return "error no dialog " + rest.toUtf8();
            dialog->accept();
            return "ok";
        }
        if (command == u"rows")
            return "ok " + rows();
        if (command == u"state") {
            const RecoveryKeeper *keeper = window_.findChild<RecoveryKeeper *>();
            return "ok "
                   + Json(QJsonObject{{QStringLiteral("file"), window_.currentFile()},
                                      {QStringLiteral("modified"), window_.isWindowModified()},
                                      {QStringLiteral("recovery"), keeper->filePath()},
                                      {QStringLiteral("current"), keeper->isCurrent()}});
        }
        if (command == u"wait-recovery") {
            const RecoveryKeeper *keeper = window_.findChild<RecoveryKeeper *>();
            if (!QTest::qWaitFor([keeper] { return keeper->isCurrent(); }, 30000))
                return "error the recovery file was not written";
            return "ok " + keeper->filePath().toUtf8();
        }
        if (command == u"recovery-folder")
            return "ok " + RecoveryFolder::Path().toUtf8();
        if (command == u"quit") {
            QCoreApplication::exit(0);
            return "ok";
        }
        return "error unknown command " + command.toUtf8();
    }

    QByteArray set(const QString &arguments)
    {
        bool rowOk = false;
        bool columnOk = false;
        const int row = arguments.section(u' ', 0, 0).toInt(&rowOk);
        const int column = arguments.section(u' ', 1, 1).toInt(&columnOk);
        const QJsonDocument text = QJsonDocument::fromJson('[' + arguments.section(u' ', 2).toUtf8() + ']');
        if (!rowOk || !columnOk || !text.isArray() || !text.array().first().isString())
            return "error usage: set ROW COLUMN \"TEXT\"";
        BankTableModel *model = window_.model();
        return model->setData(model->index(row, column), text.array().first().toString()) ? "ok" : "error refused";
    }

    QList<QMessageBox *> shownBoxes() const
    {
        QList<QMessageBox *> shown;
        for (QMessageBox *box : window_.findChildren<QMessageBox *>())
            if (box->isVisible())
                shown += box;
        return shown;
    }

    QByteArray boxes() const
    {
        QJsonArray list;
        for (QMessageBox *box : shownBoxes()) {
            QJsonArray buttons;
            for (QAbstractButton *button : box->buttons())
                buttons += button->text().remove(u'&');
            list += QJsonObject{{QStringLiteral("name"), box->objectName()},
                                {QStringLiteral("text"), box->text()},
                                {QStringLiteral("informative"), box->informativeText()},
                                {QStringLiteral("buttons"), buttons}};
        }
        return Json(list);
    }

    QByteArray press(const QString &name, const QString &text)
    {
        for (QMessageBox *box : shownBoxes()) {
            if (box->objectName() != name)
                continue;
            for (QAbstractButton *button : box->buttons()) {
                if (button->text().remove(u'&') == text) {
                    button->click();
                    return "ok";
                }
            }
            return "error no button " + text.toUtf8();
        }
        return "error no box " + name.toUtf8();
    }

    QByteArray rows() const
    {
        const BankTableModel *model = window_.model();
        QJsonArray rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            QJsonArray fields;
            for (int column = 0; column < model->columnCount(); ++column)
                fields += model->index(row, column).data(Qt::EditRole).toString();
            rows += fields;
        }
        return Json(rows);
    }

    BankEditorWindow &window_;
    QStringList pending_;
    bool busy_ = false;
};

} // namespace

int main(int argc, char **argv)
{
    TerminationSignal::IgnoreFileSizeLimit();
    QApplication app(argc, argv);
    // The application's name stays the program's own: a lock names its
    // program, and one whose name differs from the running program's is
    // taken for a dead editor's.
    // Where the system's folders follow no environment (Windows), each test
    // gives its editors an organization, and so a data folder, of their own.
    QApplication::setOrganizationName(qEnvironmentVariable("KORVEDIT_DRIVER_ORGANIZATION", QStringLiteral("Korvane")));

    BankEditorWindow window;
    RecoveryKeeper::EndOnTermination();
    window.show();
    if (argc > 1)
        window.openFile(QString::fromLocal8Bit(argv[1]));
    window.offerRecovery();

    Driver driver(window);
    std::puts("ready");
    std::fflush(stdout);
    return QApplication::exec();
}
