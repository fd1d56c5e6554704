#include "editor/window/QuestionPreview.h"

#include "app/Controls.h"
#include "app/Windows1252.h"
#include "forms/QuestionLayout.h"

#include <QStyle>
#include <QStyleFactory>
#include <QVBoxLayout>

namespace {

// The question window's area shown: from just above the question to just
// below the third answer's bevel.
constexpr int StageTop = 96;
constexpr QSize StageSize(430, 155);

QRect OnStage(const QRect &windowBox) { return windowBox.translated(0, -StageTop); }

} // namespace

BankEntry EntryOfFields(const std::array<QString, BankFieldCount> &fields)
{
    std::string line;
    for (const QString &field : fields)
        line += ToWindows1252(field) + FieldEnd;
    return SplitBankLine(std::string_view(line).substr(0, BankLineLength));
}

QuestionPreview::QuestionPreview(QWidget *parent) : QWidget(parent)
{
    // The game's own look: silver, black text, Fusion bevels.
    auto *stage = new QWidget(this);
    stage->setObjectName(QStringLiteral("previewStage"));
    stage->setFixedSize(StageSize);
    QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    fusion->setParent(stage);
    stage->setStyle(fusion);
    QPalette silver = stage->palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    silver.setColor(QPalette::WindowText, Qt::black);
    stage->setPalette(silver);
    stage->setAutoFillBackground(true);
    stage->setAccessibleName(tr("Preview of the question window"));

    for (std::uint8_t line = 1; line <= 3; ++line)
        MakeBevel(stage, "answerBevel", OnStage(AnswerBevel(line)), BevelStyle::Lowered);
    for (std::uint8_t line = 1; line <= 3; ++line) {
        answers_[line - 1] = new Label(stage, "previewAnswer", OnStage(AnswerBox(line)), QString(), Label::Fixed);
        answers_[line - 1]->setFont(AnswerFont());
    }
    question_ = new Label(stage, "previewQuestion", OnStage(QuestionBox), QString(), Label::Fixed);
    question_->setFont(QuestionFont());
    question_->setWordWrap(true);

    // A style set on a widget does not reach its children.
    for (QWidget *child : stage->findChildren<QWidget *>())
        child->setStyle(fusion);

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("previewNote"));
    note_->setWordWrap(true);
    note_->setContentsMargins(6, 4, 6, 0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(stage);
    layout->addWidget(note_);
    layout->addStretch();
    clear();
}

void QuestionPreview::showEntry(const BankEntry &entry, bool read)
{
    question_->setCaption(FromWindows1252(entry.question.view()));
    for (std::uint8_t line = 1; line <= 3; ++line)
        answers_[line - 1]->setCaption(FromWindows1252(AnswerLineCaption(line, entry.answers[line].view()).view()));
    note_->setText(read ? tr("A) is the right answer here; the game shuffles the three answers.")
                        : tr("The game does not read this line: it holds %1 questions, "
                             "from the first %1 lines.")
                              .arg(BankSlots));
}

void QuestionPreview::clear()
{
    showEntry(BankEntry{}, true);
    note_->setText(tr("Select a question to see it as the game shows it."));
}

QString QuestionPreview::questionShown() const { return question_->caption(); }

QString QuestionPreview::answerShown(int line) const { return answers_[std::size_t(line - 1)]->caption(); }
