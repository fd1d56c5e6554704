#include "editor/document/RowOrder.h"

#include <QCollator>

#include <algorithm>

namespace RowOrder {

namespace {

bool IsBlank(const BankDocument &document, int row)
{
    for (int column = 0; column < int(BankFieldCount); ++column)
        if (!document.field(row, column).isEmpty())
            return false;
    return true;
}

// The lines holding a field, then the blank ones.
std::pair<std::vector<int>, std::vector<int>> Split(const BankDocument &document)
{
    std::vector<int> filled;
    std::vector<int> blank;
    for (int row = 0; row < document.lineCount(); ++row)
        (IsBlank(document, row) ? blank : filled).push_back(row);
    return {std::move(filled), std::move(blank)};
}

std::vector<int> Joined(std::vector<int> first, const std::vector<int> &then)
{
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

} // namespace

std::vector<int> Sorted(const BankDocument &document, int column, Qt::SortOrder order)
{
    auto [filled, blank] = Split(document);
    // The C locale's collation knows neither case nor numbers: read as English then.
    const QLocale locale = QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale();
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    // Folded, and compared whole rather than through sort keys: under Wine
    // the sort keys of two fields equal but for case differ, and such fields
    // must keep their order.
    std::vector<QString> fields;
    fields.reserve(filled.size());
    for (const int row : filled)
        fields.push_back(document.field(row, column).toCaseFolded());
    std::vector<std::size_t> at(filled.size());
    for (std::size_t i = 0; i < at.size(); ++i)
        at[i] = i;
    std::stable_sort(at.begin(), at.end(), [&](std::size_t a, std::size_t b) {
        return order == Qt::AscendingOrder ? collator.compare(fields[a], fields[b]) < 0
                                           : collator.compare(fields[b], fields[a]) < 0;
    });
    std::vector<int> sorted;
    sorted.reserve(at.size());
    for (const std::size_t i : at)
        sorted.push_back(filled[i]);
    return Joined(std::move(sorted), blank);
}

std::vector<int> Shuffled(const BankDocument &document, QRandomGenerator &random)
{
    auto [filled, blank] = Split(document);
    // Fisher-Yates, drawing from the generator given so that a seed repeats it.
    for (std::size_t i = filled.size(); i > 1; --i)
        std::swap(filled[i - 1], filled[random.bounded(quint32(i))]);
    return Joined(std::move(filled), blank);
}

} // namespace RowOrder
