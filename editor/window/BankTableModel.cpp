#include "editor/window/BankTableModel.h"

#include "editor/document/BankFixes.h"
#include "editor/document/CharacterReplacements.h"
#include "editor/document/CsvGuess.h"
#include "editor/document/DelimitedText.h"
#include "editor/document/FieldText.h"
#include "editor/document/FindReplace.h"
#include "editor/window/LineSpliceCommand.h"

#include "app/Windows1252.h"
#include "forms/ProblemKinds.h"

#include <QColor>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QUndoStack>

#include <algorithm>

namespace {

// A column's heading, as the window shows it.
QString Heading(int column)
{
    return QCoreApplication::translate("BankField", BankFieldNames[std::size_t(column)].heading);
}

// Translucent, so the mark reads on light and dark palettes alike.
const QColor UnencodableBackground(220, 40, 40, 70);

bool IsRead(int row)
{
    return row < int(BankSlots);
}

// An undo step's name, for one line or several.
QString Counted(int count, const char *one, const char *many)
{
    return count == 1 ? BankTableModel::tr(one) : BankTableModel::tr(many).arg(count);
}

std::string_view AfterFields(const BankLine &line)
{
    return TextAfterFields({line.text.constData(), std::size_t(line.text.size())});
}

// The text a fix removes from its line, when it removes any: the end of a
// field it cuts, or text after the fourth double quote that holds no question.
std::optional<QString> Removed(const BankProblem &problem, const BankLine &line)
{
    switch (FactsOf(problem.kind).fix) {
    case BankFix::None:
    case BankFix::EndAtLineFeeds:
    case BankFix::ReadUtf8:
        return std::nullopt;
    case BankFix::MendTextAfterFields: {
        const std::string_view rest = AfterFields(line);
        if (rest.find(LineFeed) != std::string_view::npos || rest.find(FieldEnd) != std::string_view::npos)
            return std::nullopt;
        return FromWindows1252(rest);
    }
    case BankFix::Reword: {
        const std::optional<BankFixes::FieldSpan> past = BankFixes::PastWidth(line, problem.field);
        return past ? BankLines::Field(line, problem.field).mid(past->start) : QString();
    }
    }
    return std::nullopt;
}

// The fix's undo step names the line, the text it removes and the field.
// Text after the fourth double quote that is kept is split off at its line
// feeds (the second form) or moved as a question (the third).
QString FixName(const BankProblem &problem, const BankLine &line)
{
    const ProblemKindFacts &facts = FactsOf(problem.kind);
    const std::optional<QString> removed = Removed(problem, line);
    std::size_t form = 0;
    if (facts.fix == BankFix::MendTextAfterFields && !removed)
        form = AfterFields(line).find(LineFeed) != std::string_view::npos ? 1 : 2;
    // The field twice: lowered into an English phrase (%3), and as its
    // heading (%4) for languages whose nouns keep their capital.
    const bool inField = problem.field >= 0 && problem.field < int(BankFieldCount);
    const QString heading = inField ? Heading(problem.field) : QString();
    return ProblemText(facts.fixOne[form], {QString::number(problem.line),
                                            FieldText::Excerpt(removed.value_or(QString())), heading.toLower(), heading});
}

QString FixAllName(BankProblemKind kind)
{
    return ProblemText(FactsOf(kind).fixEvery);
}

// What Fix All mended, for its undo step: one kind by its own name, several
// in a list; then the texts it removed, the first few by name.
QString FixAllName(const std::vector<BankProblemKind> &kinds, const QStringList &removed)
{
    constexpr qsizetype Named = 3;
    QString told;
    if (!removed.isEmpty()) {
        QStringList named;
        for (const QString &text : removed.first(std::min(removed.size(), Named)))
            named += FieldText::Excerpt(text);
        told = removed.size() > Named
                   ? BankTableModel::tr(", removing %1 and %2 more").arg(named.join(QStringLiteral(", ")))
                         .arg(removed.size() - Named)
                   : BankTableModel::tr(", removing %1").arg(named.join(QStringLiteral(", ")));
    }
    if (kinds.size() == 1)
        return FixAllName(kinds.front()) + told;
    QStringList mended;
    for (const BankProblemKind kind : kinds)
        mended += ProblemText(FactsOf(kind).fixInList);
    const QString last = mended.takeLast();
    return BankTableModel::tr("Fix all: %1 and %2").arg(mended.join(QStringLiteral(", ")), last) + told;
}

// Every problem reported on the cell, one a paragraph: the status bar cuts
// long ones short, a tooltip shows them whole. Problems of a whole line
// show on its question.
QVariant CellProblems(const BankReport &report, int row, int column)
{
    QStringList messages;
    for (const BankProblem &problem : report.problems)
        if (int(problem.line) == row + 1 && std::max(problem.field, 0) == column)
            messages += QString::fromStdString(problem.message()).toHtmlEscaped();
    if (messages.isEmpty())
        return {};
    // Rich text, so that the tooltip wraps instead of running off the screen.
    return QStringLiteral("<p>%1</p>").arg(messages.join(QStringLiteral("</p><p>")));
}

} // namespace

BankTableModel::BankTableModel(QUndoStack *undoStack, QObject *parent)
    : QAbstractTableModel(parent), undoStack_(undoStack)
{
}

void BankTableModel::load(const QByteArray &bytes)
{
    beginResetModel();
    document_.load(bytes);
    endResetModel();
    undoStack_->clear();
    emit bankChanged();
}

void BankTableModel::loadDocument(BankDocument document)
{
    beginResetModel();
    document_ = std::move(document);
    endResetModel();
    undoStack_->clear();
    emit bankChanged();
}

QByteArray BankTableModel::bytes() const
{
    return document_.bytes();
}

std::optional<BankDocument::Unencodable> BankTableModel::firstUnencodable() const
{
    return document_.firstUnencodable();
}

const BankReport &BankTableModel::report() const
{
    return document_.report();
}

int BankTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : document_.lineCount();
}

int BankTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(BankFieldCount);
}

QVariant BankTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row();
    const int column = index.column();
    const QString typed = document_.line(row).typedField(column);
    const bool unencodable = !typed.isNull();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return document_.field(row, column);
    case FieldLengthRole:
        return int(FieldText::GameLength(document_.field(row, column)));
    case FieldWidthRole:
        return int(BankFieldWidths[std::size_t(column)]);
    case Qt::BackgroundRole:
        return unencodable ? QVariant(UnencodableBackground) : QVariant();
    case Qt::ForegroundRole:
        return IsRead(row) ? QVariant() : QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
    case Qt::ToolTipRole:
        if (unencodable)
            return tr("The game's character set (Windows-1252) has no \u201C%1\u201D: "
                      "replace it before saving.")
                .arg(FieldText::FirstUnencodable(typed));
        if (!IsRead(row))
            return tr("The game reads only the first %1 lines: this one is never asked.").arg(BankSlots);
        return CellProblems(report(), row, column);
    default:
        return {};
    }
}

QVariant BankTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (section < 0 || section >= rowCount())
            return {};
        // The line's characters, each one byte, against the 140 the game reads.
        const qsizetype length = document_.line(section).text.size();
        const bool over = length > qsizetype(BankLineLength);
        if (role == Qt::DisplayRole)
            return QStringLiteral("%1  %2/%3").arg(section + 1).arg(length).arg(BankLineLength);
        if (!IsRead(section) && role == Qt::ForegroundRole)
            return QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
        if (over && role == Qt::ForegroundRole)
            return QColor(Qt::red);
        if (!IsRead(section) && role == Qt::ToolTipRole)
            return tr("Not read: the game holds %1 questions.").arg(BankSlots);
        if (over && role == Qt::ToolTipRole)
            return tr("The line is %1 characters: the game reads the first %2.").arg(length).arg(BankLineLength);
        return {};
    }
    if (section < 0 || section >= int(BankFieldCount))
        return {};
    const int width = int(BankFieldWidths[std::size_t(section)]);
    switch (role) {
    case Qt::DisplayRole:
        return Heading(section);
    case Qt::ToolTipRole:
        return tr("The game shows the first %1 characters.").arg(width);
    case FieldWidthRole:
        return width;
    default:
        return {};
    }
}

Qt::ItemFlags BankTableModel::flags(const QModelIndex &index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

bool BankTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    const QString text = value.toString();
    if (!FieldText::CanHold(text))
        return false;
    const int row = index.row();
    const int column = index.column();
    if (text == document_.field(row, column))
        return true;
    push(document_.planReplace(row, 1, {BankLines::WithField(document_.line(row), column, text)}),
         tr("Edit %1 on line %2").arg(Heading(column).toLower()).arg(row + 1));
    return true;
}

void BankTableModel::setCells(const QList<CellText> &cells, const QString &name)
{
    QList<CellText> fitted = cells;
    for (CellText &cell : fitted)
        cell.text = FieldText::Fitted(cell.text);
    setFittedCells(fitted, name);
}

void BankTableModel::setFittedCells(const QList<CellText> &cells, const QString &name)
{
    if (cells.isEmpty())
        return;
    const auto [low, high] = std::minmax_element(cells.begin(), cells.end(),
                                                 [](const CellText &a, const CellText &b) { return a.row < b.row; });
    const int first = low->row;
    const int existing = std::clamp(rowCount() - first, 0, high->row - first + 1);
    if (first < 0 || first > rowCount())
        return;
    std::vector<BankLine> lines;
    for (int row = first; row <= high->row; ++row)
        lines.push_back(row < rowCount() ? document_.line(row) : BankLines::Blank());
    bool changed = existing < int(lines.size());
    for (const CellText &cell : cells) {
        if (cell.column < 0 || cell.column >= int(BankFieldCount))
            continue;
        BankLine &line = lines[std::size_t(cell.row - first)];
        if (BankLines::Field(line, cell.column) == cell.text)
            continue;
        line = BankLines::WithField(line, cell.column, cell.text);
        changed = true;
    }
    if (changed)
        push(document_.planReplace(first, existing, std::move(lines)), name);
}

int BankTableModel::replace(const QString &text, const QString &replacement, Qt::CaseSensitivity sensitivity,
                            std::optional<QModelIndex> cell)
{
    std::vector<FindReplace::Cell> cells;
    if (!cell)
        cells = FindReplace::CellsHolding(document_, text, sensitivity);
    else if (cell->isValid() && checkIndex(*cell, CheckIndexOption::IndexIsValid)
             && FindReplace::Holds(document_.field(cell->row(), cell->column()), text, sensitivity))
        cells.push_back({cell->row(), cell->column()});
    QList<CellText> changed;
    for (const FindReplace::Cell &at : cells) {
        const QString field = document_.field(at.row, at.column);
        const QString replaced = FindReplace::Replaced(field, text, replacement, sensitivity);
        if (replaced != field)
            changed.append({at.row, at.column, replaced});
    }
    if (changed.isEmpty())
        return 0;
    const QString what = FieldText::Excerpt(text);
    const QString with = FieldText::Excerpt(FieldText::Fitted(replacement));
    const int count = int(changed.size());
    setFittedCells(changed, count == 1 ? tr("Replace %1 with %2 on line %3").arg(what, with).arg(changed.front().row + 1)
                                 : tr("Replace %1 with %2 in %3 cells").arg(what, with).arg(count));
    return count;
}

bool BankTableModel::reorderLines(const std::vector<int> &order, const QString &name)
{
    if (int(order.size()) != rowCount())
        return false;
    int first = 0;
    int last = rowCount() - 1;
    while (first <= last && order[std::size_t(first)] == first)
        ++first;
    while (last >= first && order[std::size_t(last)] == last)
        --last;
    if (first > last)
        return false;
    std::vector<BankLine> lines;
    lines.reserve(std::size_t(last - first + 1));
    for (int row = first; row <= last; ++row)
        lines.push_back(document_.line(order[std::size_t(row)]));
    push(document_.planReplace(first, last - first + 1, std::move(lines)), name);
    return true;
}

void BankTableModel::reload(const QByteArray &bytes, const QString &name)
{
    push(document_.planReload(bytes), name);
}

void BankTableModel::insertBlankRows(int row, int count)
{
    if (row < 0 || row > rowCount() || count <= 0)
        return;
    push(document_.planReplace(row, 0, std::vector<BankLine>(std::size_t(count), BankLines::Blank())),
         Counted(count, "Insert a line", "Insert %1 lines"));
}

void BankTableModel::removeLines(int row, int count)
{
    if (row < 0 || count <= 0 || row + count > rowCount())
        return;
    push(document_.planReplace(row, count, {}), Counted(count, "Delete a line", "Delete %1 lines"));
}

void BankTableModel::removeLinesPastSlots()
{
    const int count = rowCount() - int(BankSlots);
    if (count > 0)
        push(document_.planReplace(int(BankSlots), count, {}),
             Counted(count, "Delete the line past 100", "Delete the %1 lines past 100"));
}

void BankTableModel::moveLines(int row, int count, int destinationRow)
{
    if (row < 0 || count <= 0 || row + count > rowCount() || destinationRow < 0 || destinationRow > rowCount()
        || (destinationRow >= row && destinationRow <= row + count))
        return;
    push(document_.planMove(row, count, destinationRow), Counted(count, "Move a line", "Move %1 lines"));
}

QStringList BankTableModel::fieldsOf(int row) const
{
    QStringList fields;
    for (int column = 0; column < int(BankFieldCount); ++column)
        fields += document_.field(row, column);
    return fields;
}

QList<QStringList> BankTableModel::rowsOfFields() const
{
    QList<QStringList> rows;
    for (int row = 0; row < rowCount(); ++row)
        rows += fieldsOf(row);
    return rows;
}

QString BankTableModel::linesAsTabSeparated(const QList<int> &rows) const
{
    QList<int> ordered = rows;
    std::sort(ordered.begin(), ordered.end());
    ordered.erase(std::unique(ordered.begin(), ordered.end()), ordered.end());
    QStringList lines;
    for (const int row : ordered) {
        if (row >= 0 && row < rowCount())
            lines += DelimitedText::TabSeparatedRow(fieldsOf(row));
    }
    return lines.join(QLatin1Char('\n'));
}

std::vector<BankLine> BankTableModel::linesFromRecords(const QList<QStringList> &records, Fit fit) const
{
    std::vector<BankLine> lines;
    for (const QStringList &record : records) {
        std::array<QString, BankFieldCount> fields;
        for (qsizetype field = 0; field < std::min(record.size(), qsizetype(BankFieldCount)); ++field)
            fields[std::size_t(field)] = fit(record[field]);
        lines.push_back(BankLines::FromFields(fields));
    }
    return lines;
}

bool BankTableModel::pasteTabSeparated(int row, const QString &text)
{
    const std::vector<BankLine> lines = linesFromRecords(DelimitedText::Parse(text, QLatin1Char('\t')),
                                                           [](const QString &field) { return FieldText::Fitted(field); });
    if (lines.empty() || row < 0 || row > rowCount())
        return false;
    push(document_.planInsert(row, lines), Counted(int(lines.size()), "Paste a line", "Paste %1 lines"));
    return true;
}

bool BankTableModel::importCsv(int row, const QList<QStringList> &records)
{
    if (records.isEmpty() || row < 0 || row > rowCount())
        return false;
    push(document_.planInsert(row, linesFromRecords(records, FieldText::Imported)),
         Counted(int(records.size()), "Import a line", "Import %1 lines"));
    return true;
}

qint64 BankTableModel::bytesWithImport(const QList<QStringList> &records) const
{
    qint64 size = document_.bytes().size();
    for (const BankLine &line : linesFromRecords(records, FieldText::Imported))
        size += line.text.size() + 2;
    return size;
}

TopUpPlan BankTableModel::topUp(QByteArrayView source, const QString &sourceName, const BankLanguage &language)
{
    TopUpPlan plan = PlanTopUp(document_, source, language);
    const int added = int(plan.lines.size());
    if (added > 0)
        push(document_.planReplace(plan.row, plan.replaced, plan.lines),
             added == 1 ? tr("Top up with 1 question from %1").arg(sourceName)
                        : tr("Top up with %1 questions from %2").arg(added).arg(sourceName));
    return plan;
}

bool BankTableModel::importCsv(int row, const QByteArray &csv)
{
    return importCsv(row, ReadCsv(csv, CsvGuess::Format(csv)).records);
}

bool BankTableModel::canFix(const BankProblem &problem) const
{
    return hasLineFix(problem) || toReword(problem) || replacementFor(problem);
}

std::optional<CharacterReplacements::Kind> BankTableModel::replacementFor(const BankProblem &problem) const
{
    const int row = int(problem.line) - 1;
    if (problem.kind != BankProblemKind::Unencodable || row < 0 || row >= rowCount() || problem.field < 0
        || problem.field >= int(BankFieldCount))
        return std::nullopt;
    return CharacterReplacements::FirstIn(document_.field(row, problem.field));
}

void BankTableModel::replaceCharacters(CharacterReplacements::Kind kind)
{
    QList<CellText> cells;
    QStringList replaced;
    for (int row = 0; row < rowCount(); ++row)
        for (int column = 0; column < int(BankFieldCount); ++column) {
            const QString field = document_.field(row, column);
            const QStringList found = CharacterReplacements::Found(field, kind);
            if (found.isEmpty())
                continue;
            cells += CellText{row, column, CharacterReplacements::Replaced(field, kind)};
            for (const QString &character : found)
                if (!replaced.contains(character))
                    replaced += character;
        }
    if (!cells.isEmpty())
        setFittedCells(cells, CharacterReplacements::StepName(kind, FieldText::Excerpt(replaced.join(QString()))));
}

bool BankTableModel::hasLineFix(const BankProblem &problem) const
{
    const int row = int(problem.line) - 1;
    return row >= 0 && row < rowCount() && BankFixes::Fixed(document_.line(row), problem).has_value();
}

std::optional<BankFixes::FieldSpan> BankTableModel::toReword(const BankProblem &problem) const
{
    const int row = int(problem.line) - 1;
    if (row < 0 || row >= rowCount())
        return std::nullopt;
    return BankFixes::ToReword(document_.line(row), problem);
}

bool BankTableModel::cutToWidth(const BankProblem &problem)
{
    const int row = int(problem.line) - 1;
    if (FactsOf(problem.kind).fix != BankFix::Reword || !toReword(problem))
        return false;
    const BankLine &line = document_.line(row);
    push(document_.planReplace(row, 1, {*BankFixes::CutToWidth(line, problem.field)}), FixName(problem, line));
    return true;
}

void BankTableModel::fix(const BankProblem &problem)
{
    const int row = int(problem.line) - 1;
    if (row < 0 || row >= rowCount())
        return;
    if (const std::optional<CharacterReplacements::Kind> kind = replacementFor(problem)) {
        replaceCharacters(*kind);
        return;
    }
    std::optional<std::vector<BankLine>> fixed = BankFixes::Fixed(document_.line(row), problem);
    if (!fixed)
        return;
    push(document_.planReplace(row, 1, std::move(*fixed)), FixName(problem, document_.line(row)));
}

void BankTableModel::fixAll(BankProblemKind kind)
{
    fixKinds({&kind, 1});
}

void BankTableModel::fixAll()
{
    fixKinds(FixedKinds());
}

bool BankTableModel::anyFixable() const
{
    const std::vector<BankProblem> &problems = report().problems;
    return std::any_of(problems.begin(), problems.end(), [this](const BankProblem &problem) {
        const int row = int(problem.line) - 1;
        return row >= 0 && row < rowCount() && BankFixes::InFixAll(document_.line(row), problem);
    });
}

void BankTableModel::fixKinds(std::span<const BankProblemKind> kinds)
{
    BankDocument fixed = document_;
    QStringList removed;
    const std::vector<BankProblemKind> mended =
        BankFixes::FixAll(fixed, kinds, [&removed](const BankLine &line, const BankProblem &problem) {
            if (const std::optional<QString> text = Removed(problem, line))
                removed += *text;
        });
    if (mended.empty())
        return;
    // Only the lines that changed go in the step, so that the views keep
    // their place and the step stays small.
    const std::vector<BankLine> &before = document_.lines(), &after = fixed.lines();
    const auto [head, tail] = BankLines::SharedEndsOf(before, after);
    push(document_.planReplace(int(head), int(before.size() - head - tail),
                               {after.begin() + qsizetype(head), after.end() - qsizetype(tail)}),
         FixAllName(mended, removed));
}

BankReport BankTableModel::reportWith(const QModelIndex &cell, const QString &text) const
{
    if (!checkIndex(cell, CheckIndexOption::IndexIsValid) || !FieldText::CanHold(text)
        || text == document_.field(cell.row(), cell.column()))
        return report();
    BankDocument typed = document_;
    const BankLine line = BankLines::WithField(document_.line(cell.row()), cell.column(), text);
    typed.replace(cell.row(), 1, {&line, 1});
    return typed.report();
}

void BankTableModel::push(BankSplice splice, const QString &text)
{
    undoStack_->push(new LineSpliceCommand([this](const BankSplice &step) { apply(step); }, std::move(splice), text));
}

void BankTableModel::apply(const BankSplice &splice)
{
    // Views are told one change at a time: the move, then the lines changed
    // in place, then the lines inserted or removed after them.
    if (const std::optional<BankMove> &move = splice.move) {
        beginMoveRows({}, move->row, move->row + move->count - 1, {}, move->destination);
        document_.moveAsIs(move->row, move->count, move->destination);
        endMoveRows();
    }
    const auto before = qsizetype(splice.before.size());
    const auto after = qsizetype(splice.after.size());
    const qsizetype common = std::min(before, after);
    const std::span<const BankLine> lines(splice.after);
    if (common > 0) {
        document_.replace(splice.row, int(common), lines.first(std::size_t(common)));
        emit dataChanged(index(splice.row, 0), index(splice.row + int(common) - 1, int(BankFieldCount) - 1));
    }
    const int rest = splice.row + int(common);
    if (before > after) {
        beginRemoveRows({}, rest, splice.row + int(before) - 1);
        document_.replace(rest, int(before - common), {});
        endRemoveRows();
    } else if (after > before) {
        beginInsertRows({}, rest, splice.row + int(after) - 1);
        document_.replace(rest, 0, lines.subspan(std::size_t(common)));
        endInsertRows();
    }
    if (splice.tail)
        document_.replaceTail(splice.tail->second);
    emit bankChanged();
}
