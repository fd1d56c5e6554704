#include "editor/document/EmptySlots.h"

#include <algorithm>

int EmptySlots(const BankReport &report)
{
    const auto asked = std::count_if(report.entries.begin(), report.entries.end(),
                                     [](const BankEntry &entry) { return !entry.question.empty(); });
    return int(BankSlots) - int(asked);
}
