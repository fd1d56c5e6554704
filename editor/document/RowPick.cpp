#include "editor/document/RowPick.h"

#include <algorithm>
#include <numeric>
#include <vector>

QList<QStringList> PickedRows(const QList<QStringList> &rows, const RowPick &pick, QRandomGenerator &random)
{
    switch (pick.mode) {
    case RowPick::Mode::All:
        return rows;
    case RowPick::Mode::Range: {
        const qsizetype first = std::clamp<qsizetype>(pick.first, 1, rows.size() + 1) - 1;
        const qsizetype last = std::clamp<qsizetype>(pick.last, first, rows.size());
        return rows.mid(first, last - first);
    }
    case RowPick::Mode::Random: {
        // A partial Fisher-Yates shuffle of the row numbers, then back in file order.
        std::vector<qsizetype> numbers(std::size_t(rows.size()));
        std::iota(numbers.begin(), numbers.end(), 0);
        const std::size_t count = std::size_t(std::clamp<qsizetype>(pick.count, 0, rows.size()));
        for (std::size_t at = 0; at < count; ++at)
            std::swap(numbers[at], numbers[at + std::size_t(random.bounded(quint64(numbers.size() - at)))]);
        numbers.resize(count);
        std::sort(numbers.begin(), numbers.end());
        QList<QStringList> picked;
        picked.reserve(qsizetype(count));
        for (const qsizetype number : numbers)
            picked += rows[number];
        return picked;
    }
    }
    return rows;
}
