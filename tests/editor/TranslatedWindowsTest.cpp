// Every window of the game and of the question editor, in each language with
// a catalogue and in English: no label, button or menu needs more room than
// it has. The game's windows keep their design sizes, so a longer text must
// be worded shorter rather than be cut off or run into its neighbour.
#include "editor/window/BankEditorWindow.h"
#include "editor/window/CsvImportDialog.h"
#include "editor/window/EditorGuide.h"
#include "editor/window/QuizSheetDialog.h"
#include "tests/GameHarness.h"
#include "tests/TestSystem.h"
#include "app/Language.h"
#include "forms/Dialog.h"
#include "forms/End1.h"
#include "forms/Error1.h"
#include "forms/Game.h"
#include "forms/Help1.h"
#include "forms/Info.h"
#include "forms/Question.h"
#include "forms/Title2.h"

#include <QAbstractButton>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>

#include <functional>

class TranslatedWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data();
    void init();
    void gameWindowsFit();
    void editorWindowsFit();
};

namespace {

// A control's text without its access key mark.
QString Shown(QString text)
{
    return text.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(u'&').replace(u'\x01', u'&');
}

// The widest line of a text in the control's font.
int TextWidth(const QWidget *control, const QString &text)
{
    int widest = 0;
    for (const QString &line : Shown(text).split(u'\n'))
        widest = std::max(widest, control->fontMetrics().horizontalAdvance(line));
    return widest;
}

QString Name(const QWidget *control)
{
    return control->window()->objectName() + QLatin1Char('/') + control->objectName();
}

bool ShowsText(const QWidget *control)
{
    if (!control->isVisible())
        return false;
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return !label->text().trimmed().isEmpty();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return !button->text().trimmed().isEmpty();
    if (const auto *memo = qobject_cast<const QPlainTextEdit *>(control))
        return !memo->toPlainText().isEmpty();
    return qobject_cast<const QLineEdit *>(control);
}

// What of a window's texts is cut off, and which controls run into a
// neighbour or out of their parent.
struct Findings {
    QStringList cut;
    QStringList crowded;

    Findings &operator+=(const Findings &more)
    {
        cut += more.cut;
        crowded += more.crowded;
        return *this;
    }
};

Findings Overflows(QWidget *window)
{
    Findings found;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!ShowsText(control))
            continue;
        const QRect room = control->rect();
        if (const auto *label = qobject_cast<const QLabel *>(control)) {
            const int needed = label->wordWrap() ? label->heightForWidth(room.width()) : label->sizeHint().height();
            if (!label->wordWrap() && TextWidth(label, label->text()) > room.width())
                found.cut += QStringLiteral("%1 \"%2\" is cut off: %3 pixels wide in %4")
                             .arg(Name(label), label->text())
                             .arg(TextWidth(label, label->text()))
                             .arg(room.width());
            else if (label->wordWrap() && needed > room.height())
                found.cut += QStringLiteral("%1 \"%2\" is cut off: %3 pixels high in %4")
                             .arg(Name(label), label->text())
                             .arg(needed)
                             .arg(room.height());
        } else if (const auto *memo = qobject_cast<const QPlainTextEdit *>(control)) {
            // A text box without a scroll bar shows only the lines that fit;
            // its layout counts the lines the text wraps into.
            const int lines = int(memo->document()->size().height());
            const int needed = int(memo->document()->documentMargin()) + (lines - 1) * memo->fontMetrics().lineSpacing()
                               + memo->fontMetrics().height();
            if (memo->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff && needed > memo->viewport()->height())
                found.cut += QStringLiteral("%1 \"%2\" is cut off: %3 pixels high in %4")
                                 .arg(Name(memo), memo->toPlainText().left(40))
                                 .arg(needed)
                                 .arg(memo->viewport()->height());
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            const int needed = TextWidth(button, button->text()) + icon + 6;
            if (needed > room.width())
                found.cut += QStringLiteral("%1 \"%2\" is cut off: %3 pixels wide in %4")
                             .arg(Name(button), button->text())
                             .arg(needed)
                             .arg(room.width());
        }
        // Inside its parent, and clear of every text beside it.
        const QWidget *parent = control->parentWidget();
        if (!parent->rect().contains(control->geometry()))
            found.crowded += QStringLiteral("%1 runs out of %2").arg(Name(control), parent->objectName());
        // Pictures and frames count too: English lays some texts over them
        // by design, which the English row records.
        for (const QWidget *other : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (other != control && other->isVisible() && other->geometry().intersects(control->geometry())
                && !(ShowsText(other) && Name(other) < Name(control)))
                found.crowded += QStringLiteral("%1 runs into %2").arg(Name(control), Name(other));
    }
    for (const QHeaderView *header : window->findChildren<QHeaderView *>())
        for (int section = 0; header->isVisible() && section < header->count(); ++section)
            if (header->orientation() == Qt::Horizontal && header->sectionSize(section) < header->sectionSizeHint(section))
                found.cut += QStringLiteral("%1 heading %2 is cut off: %3 pixels wide in %4")
                                 .arg(Name(header))
                                 .arg(section)
                                 .arg(header->sectionSizeHint(section))
                                 .arg(header->sectionSize(section));
    for (const QMenuBar *bar : window->findChildren<QMenuBar *>())
        if (bar->sizeHint().width() > window->width())
            found.cut += QStringLiteral("%1's menu bar needs %2 pixels of %3").arg(window->objectName())
                         .arg(bar->sizeHint().width())
                         .arg(window->width());
    return found;
}

// Checks the window at each of its states, as `states` brings it there.
void CheckEach(QWidget *window, const QList<std::function<void()>> &states, Findings &found)
{
    for (const std::function<void()> &state : states) {
        state();
        window->show();
        QCoreApplication::processEvents();
        found += Overflows(window);
    }
    window->hide();
}

void CheckTabs(QTabWidget *book, Findings &found)
{
    for (int page = 0; page < book->count(); ++page) {
        book->setCurrentIndex(page);
        found += Overflows(book->window());
    }
}

// The design itself lets a few controls overlap (the board's buttons by a
// pixel, the spare box under the name box): what the English row finds
// crowded is the design, and no other language may crowd anything more.
// No row may cut a text off.
void Verify(const Findings &found, QSet<QString> &design)
{
    QFETCH_GLOBAL(QString, language);
    if (language == QLatin1String("en"))
        design = QSet<QString>(found.crowded.cbegin(), found.crowded.cend());
    QStringList wrong = found.cut;
    for (const QString &crowded : found.crowded)
        if (!design.contains(crowded))
            wrong += crowded;
    wrong.removeDuplicates();
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
}

} // namespace

void TranslatedWindowsTest::initTestCase_data()
{
    QTest::addColumn<QString>("language");
    // English first: it finds what the design itself overlaps.
    QTest::newRow("en") << QStringLiteral("en");
    for (const QString &catalogue : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("game_*.qm")})) {
        const QString language = catalogue.mid(5).chopped(3);
        QTest::newRow(qPrintable(language)) << language;
    }
}

void TranslatedWindowsTest::init()
{
    QFETCH_GLOBAL(QString, language);
    qDeleteAll(qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly));
    QLocale::setDefault(QLocale::system());
    // "de" comes back as "de_DE", "pt_BR" as itself.
    QCOMPARE(InstallLanguage({QStringLiteral("game"), QStringLiteral("editor"), QStringLiteral("checks")}, language)
                 .left(language.size()),
             language);
}

void TranslatedWindowsTest::gameWindowsFit()
{
    GameHarness harness;
    Findings found;
    const auto nameGiven = [] {
        Form1->Edit1->takeFocus();
        QTest::keyClick(Form1->Edit1, Qt::Key_Return);
    };
    CheckEach(Form1, {[] {}, nameGiven, [] { emit Form1->Pieces[2]->clicked(); }, nameGiven,
                      [] { emit Form1->Pieces[3]->clicked(); }},
              found);
    GameHarness::startGame(QStringLiteral("Maximilian"), 1, QStringLiteral("Wilhelmina"), 2);
    CheckEach(frmPlayingField, {[] {}, [] { frmPlayingField->btnDice->click(); }}, found);
    frmQuestion->lblcornerposit->setCaption(QStringLiteral("6"));
    CheckEach(frmQuestion,
              {[] { frmQuestion->show(); },
               [] { QTest::keyClick(frmQuestion, char('A' + GameHarness::rightLine() % 3)); }}, // a wrong answer
              found);
    frmQuestion->btncontinue->click();
    frmPlayingField->show();
    CheckEach(frmPlayingField, {[] {}, [] {
                                    frmQuestion->show();
                                    QTest::keyClick(frmQuestion, char('A' + GameHarness::rightLine() - 1));
                                }},
              found);
    CheckEach(frmDialog, {[] { frmPlayingField->Button2->click(); }, [] { frmPlayingField->btnstartover->click(); }},
              found);
    frmEnd->lblGreat->setCaption(TfrmQuestion::tr("Great Job, %1!").arg(QStringLiteral("Maximilian")));
    CheckEach(frmEnd, {[] {}}, found);
    frmHelp->show();
    CheckTabs(frmHelp->Tabbedbook, found);
    frmHelp->hide();
    CheckEach(frmProductInfo, {[] { frmProductInfo->SpeedButton4->click(); }, [] { frmProductInfo->SpeedButton4->click(); },
                               [] { frmProductInfo->SpeedButton4->click(); }},
              found);
    CheckEach(frmerror, {[] {}}, found);
    static QSet<QString> design;
    Verify(found, design);
}

void TranslatedWindowsTest::editorWindowsFit()
{
    if (const QString standIn = DefaultFontStandIn(); !standIn.isEmpty())
        QSKIP(qPrintable(standIn));
    Findings found;
    BankEditorWindow window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier); // the find strip, with its replace row
    found += Overflows(&window);

    CsvImportDialog import("Question,Right answer,Wrong answer 1,Wrong answer 2\r\na,b,c,d\r\n",
                           QStringLiteral("questions.csv"), &window);
    CheckEach(&import, {[] {}}, found);
    QPrinter printer;
    QuizSheetDialog sheet(&window, {}, 40, &printer, [](const QuizSheetOptions &) { return QuizSheet{}; },
                          QCoreApplication::translate("QuizPrintCommands", "&Print…"));
    CheckEach(&sheet, {[] {}}, found);
    EditorGuide guide(&window);
    CheckEach(&guide, {[] {}}, found);
    static QSet<QString> design;
    Verify(found, design);
}

QTEST_MAIN(TranslatedWindowsTest)
#include "TranslatedWindowsTest.moc"
