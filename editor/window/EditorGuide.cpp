#include "editor/window/EditorGuide.h"

#include "forms/ProblemKinds.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// One term and what it means, as the guide's lists show them.
QString Entry(const QString &term, const QString &meaning)
{
    return QStringLiteral("<li><b>%1</b>: %2</li>").arg(term, meaning);
}

QString GuideText()
{
    QString text;
    text += EditorGuide::tr("<h2><a name=\"basics\"></a>The basics</h2>"
                            "<p><b>Adding questions.</b> Type in a cell to fill it; Enter keeps what you typed. "
                            "Down on the last row, or Tab or Enter in its last cell, starts a new row, as in a "
                            "spreadsheet. Insert Row (Ctrl+Return) puts a blank row below the current one, to "
                            "insert a question between others.</p>"
                            "<p><b>Importing a spreadsheet.</b> Save it as CSV, then choose File, Import CSV "
                            "(Ctrl+Shift+I). The preview shows the rows as the bank will hold them and how many "
                            "the file has; change the separator, encoding or header row if it guessed wrong. From "
                            "a large file, Take picks a number of rows at random or a range of them. The rows come "
                            "in below the current row, as one step to undo.</p>"
                            "<p><b>Printing a worksheet.</b> File, Print (Ctrl+P) prints the questions with their "
                            "answers shuffled, and an answer key; Print Preview shows it first, and Export PDF "
                            "saves it as a file. New Answer Order shuffles the answers anew for the next print.</p>"
                            "<p><b>After a crash.</b> The editor keeps unsaved changes aside as you work. When "
                            "it stopped without saving them, it offers them at the next start: Recover opens "
                            "them, Discard deletes them, and Not Now keeps them for later.</p>");
    text += EditorGuide::tr("<h2>Writing a bank</h2>"
                            "<p>Each row is one question: the question itself (the game shows up to 73 characters), "
                            "the right answer and two wrong ones (up to 26 characters each). The counter in each "
                            "cell shows how much of the width is used. The game asks the first 100 rows; rows "
                            "past the 100th are greyed out and never asked. It shows the three answers in a "
                            "random order, so the right one may stand anywhere.</p>"
                            "<p>A straight double quote cannot go in a field: the game uses it to end fields. "
                            "Typed, pasted or replaced, it becomes an opening or closing typographic quote, and "
                            "line breaks become spaces; Find still finds typographic quotes from a straight one. "
                            "The game uses the Windows-1252 characters: one it lacks is marked red, and the bank "
                            "is not saved until it is replaced. Fix offers a replacement where there is one.</p>"
                            "<p>Ctrl+F finds text in the fields and Ctrl+H replaces it; F3 and Shift+F3 find the "
                            "next and previous cell. The Edit menu sorts the rows by the current column and "
                            "shuffles them; rows holding nothing stay at the end. Every change can be undone.</p>");
    text += EditorGuide::tr("<h2>Problems and warnings</h2>"
                            "<p>The panel below the table lists what will not play as written, and warnings about "
                            "questions that play but may not work once the answers are shuffled. Choose one, or "
                            "press F8 and Shift+F8, to go to its field. Fix mends the chosen one; Fix All mends "
                            "every one it can, line ends first, as one step to undo. Fix All never shortens what "
                            "you wrote: Fix on a field too long selects what the game drops, for you to reword, "
                            "and Cut Field to Its Width cuts it.</p>");
    text += QStringLiteral("<ul>");
    for (const ProblemKindFacts &facts : ProblemKinds())
        if (facts.guideTerm)
            text += Entry(ProblemText(facts.guideTerm), ProblemText(facts.guideMeaning));
    text += QStringLiteral("</ul>");
    text += EditorGuide::tr("<h2>Playing the bank</h2>"
                            "<p>F5 (File, Play This Bank) saves the bank, then starts the game with it. A bank "
                            "named <i>quarl3.tqz</i> is played in its own folder; any other is copied under "
                            "that name into a temporary folder of its own, removed when the game ends. With "
                            "fewer than 100 questions it asks first, as the game would draw the empty slots "
                            "too.</p>"
                            "<p>To reach 100, File, Top Up from Bank adds questions from another bank, leaving "
                            "out those this bank already asks; New from Starter Bank opens a copy of a bank that "
                            "comes with the game. Play Without Saving (Shift+F5) tries the table as it stands "
                            "from a temporary copy, for a bank that cannot be saved where it is.</p>");
    // A link to a manual page that is not there would do nothing.
    text += EditorGuide::manualInstalled()
                ? EditorGuide::tr("<h2>More</h2>"
                                  "<p>The manual tells the whole story: type <tt>man 6 korvedit</tt> in a terminal, "
                                  "or open <a href=\"man:korvedit(6)\">the korvedit manual page</a> where the "
                                  "desktop can show it.</p>")
                : EditorGuide::tr("<h2>More</h2>"
                                  "<p>This guide is the editor's manual here: start with "
                                  "<a href=\"#basics\">the basics</a>.</p>");
    return text;
}

} // namespace

bool EditorGuide::manualInstalled()
{
    return QFileInfo::exists(QStringLiteral(KORVEDIT_MANUAL_PAGE));
}

EditorGuide::EditorGuide(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("editorGuide"));
    setWindowTitle(tr("Question Editor Guide"));
    auto *browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("guideText"));
    browser->setOpenExternalLinks(true);
    browser->setHtml(GuideText());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    // The text takes the keys, so that Page Down reads on; Esc still closes.
    browser->setFocus();
    resize(620, 560);
}
