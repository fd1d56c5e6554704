#include "editor/document/TopUp.h"

#include "forms/QuestionRules.h"

#include <QSet>

#include <algorithm>

namespace {

QString QuestionKey(const BankLine &line, const BankLanguage &language)
{
    return ComparableText(FieldsAsWritten(std::string_view(line.text.constData(), std::size_t(line.text.size())))[0],
                          language);
}

// A line with no text at all: nothing but field ends and spaces.
bool IsBlankLine(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == FieldEnd || c == ' ' || c == '\t'; });
}

} // namespace

TopUpPlan PlanTopUp(const BankDocument &bank, QByteArrayView source, const BankLanguage &language)
{
    TopUpPlan plan;
    int kept = bank.lineCount();
    while (kept > 0 && IsBlankLine(bank.line(kept - 1).text))
        --kept;
    plan.row = kept;
    plan.room = std::max(int(BankSlots) - kept, 0);
    // Blank lines give way only to new questions, never to nothing.
    plan.replaced = plan.room > 0 ? bank.lineCount() - kept : 0;

    QSet<QString> asked;
    for (const BankLine &line : bank.lines())
        asked.insert(QuestionKey(line, language));
    BankDocument other;
    other.load(source);
    for (const BankLine &line : other.lines()) {
        const QString key = QuestionKey(line, language);
        // A line without a question is an empty slot in the other bank too.
        if (key.isEmpty())
            continue;
        if (asked.contains(key)) {
            ++plan.duplicates;
            continue;
        }
        asked.insert(key);
        if (int(plan.lines.size()) == plan.room) {
            ++plan.leftOver;
            continue;
        }
        plan.lines.push_back({line.text, {}, LineEnd::CrLf});
    }
    return plan;
}
