// Saves pictures of the question editor at work, for the README: a bank
// with a few problems and a warning, one of them selected, and the preview
// of its entry; then the preview of a spreadsheet's CSV file before import.
// Usage: korvedit_screenshots [--language CODE] SHIPPED_BANK OUTPUT_FOLDER
#include "editor/window/BankEditorWindow.h"
#include "editor/window/CsvImportDialog.h"
#include "app/Language.h"
#include "forms/ProblemKinds.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

int main(int argc, char **argv)
{
    const QString language = TakeLanguageOption(argc, argv);
    QApplication app(argc, argv);
    if (argc < 3)
        qFatal("usage: korvedit_screenshots [--language CODE] SHIPPED_BANK OUTPUT_FOLDER");
    InstallLanguage({QStringLiteral("editor"), QStringLiteral("checks")}, language);
    QStandardPaths::setTestModeEnabled(true); // keep the user's recent files and window size out of it

    // A teacher's bank in the making: a dozen questions from the shipped
    // bank, one pasted as UTF-8, one with an answer too long and one whose
    // two wrong answers are the same.
    QFile shipped(QString::fromLocal8Bit(argv[1]));
    if (!shipped.open(QIODevice::ReadOnly))
        qFatal("cannot read the shipped bank");
    QByteArray bank = shipped.readAll().split('\n').mid(0, 12).join('\n') + '\n';
    bank += "In which country is Z\xc3\xbcrich?\"Switzerland\"Austria\"Germany\"\r\n";
    bank += "What do you call a baby kangaroo?\"A joey\"A fawn, or sometimes a calf\"A cub\"\r\n";
    bank += "Which gas do plants take in from the air?\"Carbon dioxide\"Oxygen\"oxygen\"\r\n";
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("class-quiz.tqz"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bank) != bank.size())
        qFatal("cannot write the sample bank");
    file.close();

    BankEditorWindow window;
    window.resize(1100, 640);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window) || !window.openFile(path))
        qFatal("the editor did not open the sample bank");
    auto *problems = window.findChild<QListWidget *>(QStringLiteral("problemList"));
    for (int row = 0; row < problems->count(); ++row)
        if (problems->item(row)->text().contains(QString::fromStdString(FieldInText(2)) + QLatin1Char(' ')))
            problems->setCurrentRow(row);
    auto *table = window.findChild<QTableView *>(QStringLiteral("entryTable"));
    table->setCurrentIndex(table->model()->index(13, 2));
    table->setFocus();
    QTest::qWait(100);
    const QDir output(QString::fromLocal8Bit(argv[2]));
    if (!window.grab().save(output.filePath(QStringLiteral("editor.png"))))
        return 1;

    // A colleague's spreadsheet, saved with semicolons and a German header.
    const QByteArray csv = "Frage;Richtige Antwort;Falsche Antwort 1;Falsche Antwort 2\r\n"
                           "Which planet has the most moons?;Saturn;Mars;Venus\r\n"
                           "Who painted \"The Starry Night\"?;Vincent van Gogh;Claude Monet;Paul C\xc3\xa9zanne\r\n"
                           "How many sides has a hexagon?;6;5;8\r\n"
                           "\"Which river flows through Vienna; Budapest and Belgrade?\";The Danube;The Rhine;The Elbe\r\n";
    CsvImportDialog import(csv, QStringLiteral("colleague.csv"), &window);
    import.resize(760, 360);
    import.show();
    if (!QTest::qWaitForWindowExposed(&import))
        qFatal("the import preview did not show");
    QTest::qWait(100);
    return import.grab().save(output.filePath(QStringLiteral("editor-import.png"))) ? 0 : 1;
}
