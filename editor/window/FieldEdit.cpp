#include "editor/window/FieldEdit.h"

#include "editor/document/FieldText.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QTextCharFormat>
#include <QToolTip>
#include <QValidator>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

// Keeps text a field cannot hold out of it: a double quote typed becomes
// the opening or closing typographic one, as in pasted rows and imports; any
// other key a field cannot hold is refused with the reason; text pasted or
// dropped is fitted (typographic quotes, spaces for line breaks). Every way
// in passes here.
class FieldValidator : public QValidator {
public:
    using Told = std::function<void(const QString &)>;
    FieldValidator(FieldEdit *edit, Told refused, Told fitted)
        : QValidator(edit), edit_(edit), refused_(std::move(refused)), fitted_(std::move(fitted))
    {
    }

    State validate(QString &input, int &position) const override
    {
        if (FieldText::CanHold(input))
            return Acceptable;
        const bool typing = edit_->isTyping();
        if (typing && !FieldText::CanHold(QString(input).remove(QLatin1Char('"')))) {
            refused_(input);
            return Invalid;
        }
        const qsizetype after = input.size() - position;
        input = FieldText::Fitted(input);
        position = int(std::max<qsizetype>(0, input.size() - after));
        // A quote typed needs no word: the author sees it turn.
        if (!typing)
            fitted_(input);
        return Acceptable;
    }

private:
    FieldEdit *edit_;
    Told refused_;
    Told fitted_;
};

// Where the characters Windows-1252 lacks stand, in UTF-16 units; each half
// of a surrogate pair fails on its own, so both are marked.
QList<int> UnencodablePositions(const QString &text)
{
    QList<int> positions;
    for (int i = 0; i < text.size(); ++i)
        if (!FieldText::IsEncodable(QStringView(text).mid(i, 1)))
            positions.append(i);
    return positions;
}

} // namespace

FieldEdit::FieldEdit(QWidget *parent, int width) : QLineEdit(parent), width_(width)
{
    setObjectName(QStringLiteral("fieldEdit"));
    setValidator(new FieldValidator(
        this,
        [this](const QString &) {
            explain(tr("Line breaks and Ctrl-Z cannot go in a field: the game reads them as the end "
                       "of the line or of the bank."));
        },
        [this](const QString &) {
            explain(tr("Pasted double quotes became typographic ones, and line breaks spaces: the game reads a "
                       "straight double quote as the end of the field."));
        }));
    // Room for the widest counter, so the text never runs under it.
    setTextMargins(0, 0, fontMetrics().horizontalAdvance(QStringLiteral("000/%1").arg(width)) + 8, 0);
    connect(this, &QLineEdit::textChanged, this, &FieldEdit::markUnencodable);
    connect(this, &QLineEdit::textEdited, this, [this] { edited_ = true; });
}

void FieldEdit::keyPressEvent(QKeyEvent *event)
{
    typing_ = !event->text().isEmpty() && !event->matches(QKeySequence::Paste);
    QLineEdit::keyPressEvent(event);
    typing_ = false;
}

QString FieldEdit::counterText() const
{
    return QStringLiteral("%1/%2").arg(FieldText::GameLength(text())).arg(width_);
}

void FieldEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    const bool over = FieldText::GameLength(text()) > width_;
    painter.setPen(over ? QColor(Qt::red) : palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(rect().adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, counterText());
}

void FieldEdit::markUnencodable()
{
    const QList<int> positions = UnencodablePositions(text());
    QTextCharFormat marked;
    marked.setBackground(QColor(255, 200, 200));
    marked.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    marked.setUnderlineColor(Qt::red);
    // Formats given with an input method event colour the line edit's own
    // text without changing it; the start is relative to the cursor.
    QList<QInputMethodEvent::Attribute> formats;
    for (const int position : positions)
        formats.append({QInputMethodEvent::TextFormat, position - cursorPosition(), 1, marked});
    QInputMethodEvent event(QString(), formats);
    QCoreApplication::sendEvent(this, &event);
    // Told once per new mark, so other hints are not drowned out as typing goes on.
    if (positions.size() > marked_) {
        const int at = positions.last();
        const bool pair = text()[at].isLowSurrogate() && at > 0;
        markHint_ = tr("“%1” is not in the game's character set (Windows-1252): "
                       "the bank cannot be saved until it is replaced.")
                        .arg(text().mid(pair ? at - 1 : at, pair ? 2 : 1));
        explain(markHint_);
    }
    if (positions.isEmpty() && !markHint_.isEmpty())
        emit hintEnded(std::exchange(markHint_, {}));
    marked_ = int(positions.size());
    update();
}

void FieldEdit::explain(const QString &text)
{
    QToolTip::showText(mapToGlobal(QPoint(0, height())), text, this);
    emit hint(text);
}
