#include "editor/window/QuizPrinter.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPagedPaintDevice>
#include <QTextLayout>

#include <functional>
#include <memory>

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("QuizPrinter", text);
}

// Text wrapped to a width: at word boundaries, or anywhere in a word too
// long for a line.
class Paragraph {
public:
    Paragraph(const QString &text, const QFont &font, QPaintDevice *device, qreal width)
        : layout_(text, font, device)
    {
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout_.setTextOption(option);
        layout_.beginLayout();
        for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, height_));
            height_ += line.height();
        }
        layout_.endLayout();
    }

    qreal height() const { return height_; }
    void draw(QPainter &painter, QPointF at) const { layout_.draw(&painter, at); }

private:
    QTextLayout layout_;
    qreal height_ = 0;
};

// Something drawn whole in one column: a question, a line of the key.
struct Block {
    qreal height = 0;
    std::function<void(QPainter &, QPointF)> draw;
};

// Where a block lands: the page (from 0), and its top left on that page.
struct Placed {
    int page = 0;
    QPointF at;
    const Block *block = nullptr;
};

// Millimetres to the printer's pixels.
qreal Mm(const QPagedPaintDevice *printer, qreal mm)
{
    return mm * printer->logicalDpiY() / 25.4;
}

QFont Font(qreal points, bool bold = false)
{
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// One part of the quiz (the sheet, or the key): a heading on its first
// page, then the blocks flowed down its columns and pages.
struct Part {
    // Draws the heading when given a painter; returns its height.
    std::function<qreal(QPainter *, qreal width)> heading;
    qreal headingHeight = 0;
    int columns = 1;
    qreal gap = 0; // between blocks
    std::vector<Block> blocks;
    QString footer; // "%1 … %2 … %3": the title, the page and the part's pages
};

std::vector<Placed> Flow(const Part &part, QSizeF area, qreal columnGap)
{
    std::vector<Placed> placed;
    const qreal columnWidth = (area.width() - columnGap * (part.columns - 1)) / part.columns;
    int page = 0;
    int column = 0;
    qreal top = part.headingHeight;
    qreal y = top;
    for (const Block &block : part.blocks) {
        // A block taller than a whole page starts one of its own and is cut
        // at its foot: splitting it would not make it readable either.
        if (y > top && y + block.height > area.height()) {
            if (++column == part.columns) {
                column = 0;
                ++page;
                top = 0;
            }
            y = top;
        }
        placed.push_back({page, QPointF(column * (columnWidth + columnGap), y), &block});
        y += block.height + part.gap;
    }
    return placed;
}

// Room for a question's number ("100.") with its gap after it.
qreal NumberWidth(const QFontMetricsF &metrics, QPagedPaintDevice *printer)
{
    return metrics.horizontalAdvance(QStringLiteral("100.")) + Mm(printer, 2);
}

// Room for an answer's letter with its gap after it.
qreal LetterWidth(const QFontMetricsF &metrics, QPagedPaintDevice *printer)
{
    return metrics.horizontalAdvance(QStringLiteral("B")) + Mm(printer, 3);
}

Part Sheet(QPagedPaintDevice *printer, const QString &title, const QList<QuizQuestion> &questions, qreal width)
{
    Part part;
    part.gap = Mm(printer, 4.5);
    const QFont titleFont = Font(18, true);
    const QFont small = Font(9.5);
    const QFont body = Font(11);
    const QFont bold = Font(11, true);
    part.heading = [=](QPainter *painter, qreal w) {
        const Paragraph heading(title, titleFont, printer, w);
        const qreal fieldsAt = heading.height() + Mm(printer, 4);
        const QFontMetricsF metrics(small, printer);
        const Paragraph hint(Tr("Write the letter of the right answer in the box beside each question."), small,
                             printer, w);
        const qreal hintAt = fieldsAt + metrics.height() + Mm(printer, 4);
        const qreal ruleAt = hintAt + hint.height() + Mm(printer, 2);
        if (painter) {
            heading.draw(*painter, {0, 0});
            painter->setFont(small);
            const QString fields[] = {Tr("Name"), Tr("Class"), Tr("Date")};
            const qreal shares[] = {0.5, 0.22, 0.28};
            const qreal baseline = fieldsAt + metrics.ascent();
            qreal x = 0;
            for (int i = 0; i < 3; ++i) {
                painter->drawText(QPointF(x, baseline), fields[i]);
                painter->drawLine(QPointF(x + metrics.horizontalAdvance(fields[i]) + Mm(printer, 1.5), baseline),
                                  QPointF(x + w * shares[i] - Mm(printer, 5), baseline));
                x += w * shares[i];
            }
            hint.draw(*painter, {0, hintAt});
            painter->drawLine(QPointF(0, ruleAt), QPointF(w, ruleAt));
        }
        return ruleAt + Mm(printer, 5);
    };
    part.headingHeight = part.heading(nullptr, width);

    const QFontMetricsF metrics(body, printer);
    const qreal numberWidth = NumberWidth(metrics, printer);
    const qreal letterWidth = LetterWidth(metrics, printer);
    const qreal box = Mm(printer, 9);
    const qreal textWidth = width - numberWidth - box - Mm(printer, 6);
    for (const QuizQuestion &question : questions) {
        auto text = std::make_shared<Paragraph>(question.question, body, printer, textWidth);
        std::vector<std::shared_ptr<Paragraph>> answers;
        qreal height = text->height() + Mm(printer, 1.2);
        for (const QString &answer : question.answers) {
            answers.push_back(std::make_shared<Paragraph>(answer, body, printer, textWidth - letterWidth));
            height += answers.back()->height();
        }
        const QString number = QString::number(question.number) + u'.';
        part.blocks.push_back({std::max(height, box), [=](QPainter &painter, QPointF at) {
                                   painter.setFont(bold);
                                   painter.drawText(at + QPointF(0, metrics.ascent()), number);
                                   text->draw(painter, at + QPointF(numberWidth, 0));
                                   qreal y = at.y() + text->height() + Mm(printer, 1.2);
                                   for (std::size_t i = 0; i < answers.size(); ++i) {
                                       painter.setFont(bold);
                                       painter.drawText(QPointF(at.x() + numberWidth, y + metrics.ascent()),
                                                        QString(AnswerLetter(int(i))));
                                       answers[i]->draw(painter, QPointF(at.x() + numberWidth + letterWidth, y));
                                       y += answers[i]->height();
                                   }
                                   painter.drawRect(QRectF(at.x() + width - box, at.y(), box, box));
                               }});
    }
    part.footer = Tr("%1 — page %2 of %3");
    return part;
}

Part Key(QPagedPaintDevice *printer, const QString &title, const QList<QuizQuestion> &questions, qreal width, qreal columnGap)
{
    Part part;
    // Three columns hold a hundred short answers on one page.
    part.columns = 3;
    part.gap = Mm(printer, 0.8);
    const qreal columnWidth = (width - columnGap * (part.columns - 1)) / part.columns;
    const QFont titleFont = Font(16, true);
    const QFont body = Font(10);
    const QFont bold = Font(10, true);
    const QString heading = Tr("Answer key: %1").arg(title);
    part.heading = [=](QPainter *painter, qreal w) {
        const Paragraph text(heading, titleFont, printer, w);
        const qreal ruleAt = text.height() + Mm(printer, 2);
        if (painter) {
            text.draw(*painter, {0, 0});
            painter->drawLine(QPointF(0, ruleAt), QPointF(w, ruleAt));
        }
        return ruleAt + Mm(printer, 5);
    };
    part.headingHeight = part.heading(nullptr, width);
    const QFontMetricsF metrics(body, printer);
    const qreal numberWidth = NumberWidth(metrics, printer);
    const qreal letterWidth = LetterWidth(metrics, printer);
    for (const QuizQuestion &question : questions) {
        auto answer = std::make_shared<Paragraph>(question.answers[std::size_t(question.right)], body, printer,
                                                  columnWidth - numberWidth - letterWidth);
        const QString number = QString::number(question.number) + u'.';
        const QString letter = QString(AnswerLetter(question.right));
        part.blocks.push_back({answer->height(), [=](QPainter &painter, QPointF at) {
                                   painter.setFont(body);
                                   painter.drawText(at + QPointF(numberWidth - metrics.horizontalAdvance(number)
                                                                     - Mm(printer, 2), metrics.ascent()),
                                                    number);
                                   painter.setFont(bold);
                                   painter.drawText(at + QPointF(numberWidth, metrics.ascent()), letter);
                                   answer->draw(painter, at + QPointF(numberWidth + letterWidth, 0));
                               }});
    }
    part.footer = Tr("%1, answer key — page %2 of %3");
    return part;
}

} // namespace

int PrintQuiz(QPagedPaintDevice *printer, const QString &title, const QList<QuizQuestion> &questions)
{
    QPainter painter;
    if (!painter.begin(printer))
        return 0;
    const QSizeF page = printer->pageLayout().paintRectPixels(printer->logicalDpiY()).size();
    const QFont footerFont = Font(8.5);
    const qreal footerHeight = QFontMetricsF(footerFont, printer).height() + Mm(printer, 4);
    const QSizeF area(page.width(), page.height() - footerHeight);
    const qreal columnGap = Mm(printer, 10);

    int printed = 0;
    for (const Part &part : {Sheet(printer, title, questions, area.width()),
                             Key(printer, title, questions, area.width(), columnGap)}) {
        const std::vector<Placed> placed = Flow(part, area, columnGap);
        const int pages = placed.empty() ? 1 : placed.back().page + 1;
        for (int p = 0; p < pages; ++p) {
            if (printed > 0)
                printer->newPage();
            ++printed;
            painter.save();
            // Rules and boxes as a pen draws them: a hairline is all but
            // lost at a printer's resolution.
            painter.setPen(QPen(Qt::black, Mm(printer, 0.25)));
            if (p == 0)
                part.heading(&painter, area.width());
            for (const Placed &one : placed)
                if (one.page == p)
                    one.block->draw(painter, one.at);
            painter.setFont(footerFont);
            painter.drawText(QRectF(0, page.height() - footerHeight, page.width(), footerHeight),
                             Qt::AlignHCenter | Qt::AlignBottom,
                             part.footer.arg(title, QString::number(p + 1), QString::number(pages)));
            painter.restore();
        }
    }
    // The last page is written out only now, and may fail as the others did.
    return painter.end() ? printed : 0;
}
