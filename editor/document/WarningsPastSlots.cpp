#include "editor/document/WarningsPastSlots.h"

#include "forms/ContentChecks.h"

std::vector<BankProblem> WarningsPastSlots(const BankDocument &document)
{
    ContentChecks content;
    std::vector<BankProblem> read, found;
    for (int row = 0; row < document.lineCount(); ++row) {
        const QByteArray &text = document.line(row).text;
        const std::string_view line(text.constData(), std::size_t(text.size()));
        // Rows the game reads are checked only to be compared with.
        content.check(std::size_t(row) + 1, SplitBankLine(line.substr(0, BankLineLength)), FieldsAsWritten(line),
                      row < int(BankSlots) ? read : found);
    }
    return found;
}
