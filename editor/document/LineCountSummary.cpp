#include "editor/document/LineCountSummary.h"

#include "forms/BankFile.h"

#include <QCoreApplication>

namespace {

// The texts the editor's windows show, for tr().
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LineCountSummary)
};

} // namespace

QString LineCountSummary(int lines)
{
    const int slotCount = int(BankSlots);
    const QString count = lines == 1 ? Text::tr("1 line") : Text::tr("%1 lines").arg(lines);
    if (lines < slotCount) {
        const int blank = slotCount - lines;
        // The game draws its questions from all 100 slots, filled or not.
        return Text::tr("%1 of %2: the game still draws from all %2 slots, so %3 of its questions come up "
                        "blank, with empty answers")
            .arg(count)
            .arg(slotCount)
            .arg(blank);
    }
    if (lines == slotCount)
        return Text::tr("%1: the game reads them all").arg(count);
    return Text::tr("%1: the game reads the first %2 and never shows the other %3")
        .arg(count)
        .arg(slotCount)
        .arg(lines - slotCount);
}
