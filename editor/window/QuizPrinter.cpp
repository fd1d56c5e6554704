#include "editor/window/QuizPrinter.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPagedPaintDevice>
#include <QTextLayout>

#include <array>
#include <functional>
#include <memory>

namespace {

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
    std::size_t block = 0; // index into its part's blocks
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
    // "%1 … %2 … %3 … %4 … %5": the title, the page, the part's pages, the
    // order and its check, so that a sheet and its key can be matched.
    QString footer;
};

// Places blocks from `first` on one page, down its columns as far as
// `bottom`; returns the first block left for the next page. `placed` may be
// null to only measure.
std::size_t FillPage(const Part &part, std::size_t first, int page, qreal top, qreal bottom, qreal columnWidth,
                     qreal columnGap, std::vector<Placed> *placed)
{
    int column = 0;
    qreal y = top;
    std::size_t i = first;
    for (; i < part.blocks.size(); ++i) {
        const Block &block = part.blocks[i];
        // A block taller than a whole page starts one of its own and is cut
        // at its foot: splitting it would not make it readable either.
        if (y > top && y + block.height > bottom) {
            if (++column == part.columns)
                break;
            y = top;
        }
        if (placed)
            placed->push_back({page, QPointF(column * (columnWidth + columnGap), y), i});
        y += block.height + part.gap;
    }
    return i;
}

// The blocks down full pages; the last page's columns as even as they can
// be, so that none is left holding a single entry.
std::vector<Placed> Flow(const Part &part, QSizeF area, qreal columnGap)
{
    std::vector<Placed> placed;
    const qreal columnWidth = (area.width() - columnGap * (part.columns - 1)) / part.columns;
    const auto fill = [&](std::size_t first, int page, qreal top, qreal bottom, std::vector<Placed> *into) {
        return FillPage(part, first, page, top, bottom, columnWidth, columnGap, into);
    };
    std::size_t first = 0;
    qreal top = part.headingHeight;
    for (int page = 0;; ++page, top = 0) {
        const std::size_t next = fill(first, page, top, area.height(), nullptr);
        if (next < part.blocks.size()) {
            fill(first, page, top, area.height(), &placed);
            first = next;
            continue;
        }
        qreal rest = 0;
        for (std::size_t i = first; i < part.blocks.size(); ++i)
            rest += part.blocks[i].height + part.gap;
        qreal bottom = std::min(top + rest / part.columns, area.height());
        const qreal step = area.height() / 400;
        while (bottom < area.height() && fill(first, page, top, bottom, nullptr) < part.blocks.size())
            bottom = std::min(bottom + step, area.height());
        fill(first, page, top, bottom, &placed);
        return placed;
    }
}

// Room for a question's number ("100.") with its gap after it.
qreal NumberWidth(const QFontMetricsF &metrics, QPagedPaintDevice *printer)
{
    return metrics.horizontalAdvance(QStringLiteral("100.")) + Mm(printer, 2);
}

// Room for an answer's letter with its gap after it.
qreal LetterWidth(const QFontMetricsF &metrics, QPagedPaintDevice *printer, qreal gapMm = 3)
{
    return metrics.horizontalAdvance(QStringLiteral("B")) + Mm(printer, gapMm);
}

// How a sheet is set: the usual one, roomy to write on, or the compact one
// that fits 25 questions and more on a page.
struct SheetStyle {
    qreal titlePoints, bodyPoints, gapMm, boxMm, boxGapMm, letterGapMm;
    qreal answerGapMm; // between answers on one line
    bool answersInline; // the three answers on one line where they fit
};

SheetStyle Style(bool compact)
{
    return compact ? SheetStyle{15, 9, 2.4, 5.5, 2, 1.6, 3.5, true} : SheetStyle{18, 11, 4.5, 9, 6, 3, 0, false};
}

// The compact sheet takes two columns on a page wide enough for them.
int SheetColumns(QPagedPaintDevice *printer, const QuizSheet &sheet, qreal width)
{
    return sheet.compact && width >= Mm(printer, 150) ? 2 : 1;
}

Part Sheet(QPagedPaintDevice *printer, const QuizSheet &sheet, qreal width, qreal columnGap)
{
    const SheetStyle style = Style(sheet.compact);
    Part part;
    part.columns = SheetColumns(printer, sheet, width);
    part.gap = Mm(printer, style.gapMm);
    const QFont titleFont = Font(style.titlePoints, true);
    const QFont small = Font(9.5);
    const QFont body = Font(style.bodyPoints);
    const QFont bold = Font(style.bodyPoints, true);
    const QString title = sheet.title;
    part.heading = [=](QPainter *painter, qreal w) {
        const Paragraph heading(title, titleFont, printer, w);
        const qreal fieldsAt = heading.height() + Mm(printer, 4);
        const QFontMetricsF metrics(small, printer);
        const Paragraph hint(QCoreApplication::translate(
                                 "QuizPrinter", "Write the letter of the right answer in the box beside each question."),
                             small, printer, w);
        const qreal hintAt = fieldsAt + metrics.height() + Mm(printer, 4);
        const qreal ruleAt = hintAt + hint.height() + Mm(printer, 2);
        if (painter) {
            heading.draw(*painter, {0, 0});
            painter->setFont(small);
            const QString fields[] = {QCoreApplication::translate("QuizPrinter", "Name"),
                                      QCoreApplication::translate("QuizPrinter", "Class"),
                                      QCoreApplication::translate("QuizPrinter", "Date")};
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

    const qreal columnWidth = (width - columnGap * (part.columns - 1)) / part.columns;
    const QFontMetricsF metrics(body, printer);
    const qreal numberWidth = NumberWidth(metrics, printer);
    const qreal letterWidth = LetterWidth(metrics, printer, style.letterGapMm);
    const qreal answerGap = Mm(printer, style.answerGapMm);
    const qreal box = Mm(printer, style.boxMm);
    const qreal textWidth = columnWidth - numberWidth - box - Mm(printer, style.boxGapMm);
    for (const QuizQuestion &question : sheet.questions) {
        auto text = std::make_shared<Paragraph>(question.question, body, printer, textWidth);
        // Each answer with where its letter goes, from the question's top
        // left: all three on one line where they fit, else two to a line
        // where each fits half of it, else one to a line.
        std::vector<std::pair<QPointF, std::shared_ptr<Paragraph>>> answers;
        const qreal half = (textWidth + answerGap) / 2;
        qreal inlineWidth = -answerGap;
        bool halvesFit = true;
        for (const QString &answer : question.answers) {
            const qreal width = letterWidth + metrics.horizontalAdvance(answer) + answerGap;
            inlineWidth += width;
            halvesFit = halvesFit && width <= half;
        }
        const int perLine = !style.answersInline ? 1 : inlineWidth <= textWidth ? 3 : halvesFit ? 2 : 1;
        qreal height = text->height() + Mm(printer, 1.2);
        if (perLine == 1) {
            for (const QString &answer : question.answers) {
                answers.emplace_back(QPointF(numberWidth, height),
                                     std::make_shared<Paragraph>(answer, body, printer, textWidth - letterWidth));
                height += answers.back().second->height();
            }
        } else {
            qreal x = 0;
            for (const QString &answer : question.answers) {
                if (answers.size() % std::size_t(perLine) == 0 && !answers.empty()) {
                    height += metrics.height();
                    x = 0;
                }
                const qreal answerWidth = metrics.horizontalAdvance(answer);
                // A little room over the measure, so that rounding never wraps it.
                answers.emplace_back(QPointF(numberWidth + x, height),
                                     std::make_shared<Paragraph>(answer, body, printer, answerWidth + Mm(printer, 1)));
                x += perLine == 3 ? letterWidth + answerWidth + answerGap : half;
            }
            height += metrics.height();
        }
        const QString number = QString::number(question.number) + u'.';
        part.blocks.push_back({std::max(height, box), [=](QPainter &painter, QPointF at) {
                                   painter.setFont(bold);
                                   painter.drawText(at + QPointF(0, metrics.ascent()), number);
                                   text->draw(painter, at + QPointF(numberWidth, 0));
                                   for (std::size_t i = 0; i < answers.size(); ++i) {
                                       const QPointF letterAt = at + answers[i].first;
                                       painter.setFont(bold);
                                       painter.drawText(letterAt + QPointF(0, metrics.ascent()),
                                                        QString(AnswerLetter(int(i))));
                                       answers[i].second->draw(painter, letterAt + QPointF(letterWidth, 0));
                                   }
                                   painter.drawRect(QRectF(at.x() + columnWidth - box, at.y(), box, box));
                               }});
    }
    part.footer = QCoreApplication::translate("QuizPrinter", "%1 — page %2 of %3 — Order %4 (check %5)");
    return part;
}

Part Key(QPagedPaintDevice *printer, const QuizSheet &sheet, qreal width, qreal columnGap)
{
    Part part;
    // Three columns hold a hundred short answers on one page.
    part.columns = 3;
    part.gap = Mm(printer, 0.8);
    const qreal columnWidth = (width - columnGap * (part.columns - 1)) / part.columns;
    const QFont titleFont = Font(16, true);
    const QFont body = Font(10);
    const QFont bold = Font(10, true);
    const QString heading = QCoreApplication::translate("QuizPrinter", "Answer key: %1").arg(sheet.title);
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
    for (const QuizQuestion &question : sheet.questions) {
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
    part.footer = QCoreApplication::translate("QuizPrinter", "%1, answer key — page %2 of %3 — Order %4 (check %5)");
    return part;
}

// A part with where each of its blocks lands.
struct LaidPart {
    Part part;
    std::vector<Placed> placed;
    int pages = 1;
};

// The sheet and its key set on the printer's pages.
struct Layout {
    QSizeF page;
    QFont footerFont = Font(8.5);
    qreal footerHeight = 0;
    std::array<LaidPart, 2> parts; // the sheet, then the key
};

Layout Lay(QPagedPaintDevice *printer, const QuizSheet &sheet)
{
    Layout layout;
    layout.page = printer->pageLayout().paintRectPixels(printer->logicalDpiY()).size();
    layout.footerHeight = QFontMetricsF(layout.footerFont, printer).height() + Mm(printer, 4);
    const QSizeF area(layout.page.width(), layout.page.height() - layout.footerHeight);
    const qreal columnGap = Mm(printer, sheet.compact ? 7 : 10);
    layout.parts = {LaidPart{Sheet(printer, sheet, area.width(), columnGap), {}, 1},
                    LaidPart{Key(printer, sheet, area.width(), columnGap), {}, 1}};
    for (LaidPart &laid : layout.parts) {
        laid.placed = Flow(laid.part, area, columnGap);
        laid.pages = laid.placed.empty() ? 1 : laid.placed.back().page + 1;
    }
    return layout;
}

} // namespace

QuizPages CountQuizPages(QPagedPaintDevice *printer, const QuizSheet &sheet)
{
    const Layout layout = Lay(printer, sheet);
    return {layout.parts[0].pages, layout.parts[1].pages};
}

int PrintQuiz(QPagedPaintDevice *printer, const QuizSheet &sheet)
{
    QPainter painter;
    if (!painter.begin(printer))
        return 0;
    const Layout layout = Lay(printer, sheet);
    int printed = 0;
    for (const LaidPart &laid : layout.parts) {
        for (int p = 0; p < laid.pages; ++p) {
            if (printed > 0)
                printer->newPage();
            ++printed;
            painter.save();
            // Rules and boxes as a pen draws them: a hairline is all but
            // lost at a printer's resolution.
            painter.setPen(QPen(Qt::black, Mm(printer, 0.25)));
            if (p == 0)
                laid.part.heading(&painter, layout.page.width());
            for (const Placed &one : laid.placed)
                if (one.page == p)
                    laid.part.blocks[one.block].draw(painter, one.at);
            painter.setFont(layout.footerFont);
            painter.drawText(QRectF(0, layout.page.height() - layout.footerHeight, layout.page.width(),
                                    layout.footerHeight),
                             Qt::AlignHCenter | Qt::AlignBottom,
                             laid.part.footer.arg(sheet.title, QString::number(p + 1), QString::number(laid.pages),
                                                  QString::number(sheet.order), sheet.check));
            painter.restore();
        }
    }
    // The last page is written out only now, and may fail as the others did.
    return painter.end() ? printed : 0;
}
