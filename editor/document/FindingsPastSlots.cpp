#include "editor/document/FindingsPastSlots.h"

#include "forms/ContentChecks.h"

std::vector<BankProblem> FindingsPastSlots(const BankDocument &document)
{
    ContentChecks content;
    std::vector<BankProblem> read, found;
    for (int row = 0; row < document.lineCount(); ++row) {
        const QByteArray &text = document.line(row).text;
        const std::string_view line(text.constData(), std::size_t(text.size()));
        const auto number = std::size_t(row) + 1;
        if (number > BankSlots) {
            const std::vector<BankProblem> problems = CheckUnreadLine(number, line, BankReading::Author);
            found.insert(found.end(), problems.begin(), problems.end());
        }
        // Rows the game reads are checked only to be compared with.
        content.check(number, SplitBankLine(line.substr(0, BankLineLength)), FieldsAsWritten(line),
                      number > BankSlots ? found : read);
    }
    return found;
}
