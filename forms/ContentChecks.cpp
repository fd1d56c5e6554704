#include "forms/ContentChecks.h"

#include "forms/ProblemKinds.h"
#include "forms/QuestionRules.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::size_t Answers = BankFieldCount - 1; // fields 1 to 3

// The answers that compare equal, each group of two or more as field
// numbers in order; answers with nothing to compare are in none.
std::vector<std::vector<int>> EqualGroups(const std::array<QString, Answers> &compared)
{
    std::vector<std::vector<int>> groups;
    std::array<bool, Answers> grouped{};
    for (std::size_t a = 0; a < Answers; ++a) {
        if (grouped[a] || compared[a].isEmpty())
            continue;
        std::vector<int> group{int(a) + 1};
        for (std::size_t b = a + 1; b < Answers; ++b) {
            if (!grouped[b] && compared[b] == compared[a]) {
                grouped[b] = true;
                group.push_back(int(b) + 1);
            }
        }
        if (group.size() > 1)
            groups.push_back(std::move(group));
    }
    return groups;
}

std::string Names(const std::vector<int> &fields)
{
    std::vector<std::string> names;
    for (const int field : fields)
        names.emplace_back(FieldInText(std::size_t(field)));
    return JoinedNames(names);
}

} // namespace

void ContentChecks::check(std::size_t line, const BankEntry &entry,
                          const std::array<std::string_view, BankFieldCount> &written,
                          std::vector<BankProblem> &problems)
{
    // The question as the game asks it, cut and all.
    if (const QString question = ComparableText(entry.question.view(), AnyLanguage); !question.isEmpty()) {
        if (const auto earlier = questions_.constFind(question); earlier != questions_.constEnd()) {
            problems.push_back({line, 0, BankProblemKind::SameQuestion, 0, {std::to_string(*earlier)}});
        } else {
            questions_.insert(question, line);
        }
    }

    // Each answer whole, as the game loads it (cut to its width, and by the
    // line's 140 characters), and as the game will read it once the line is
    // mended to fit: cut to its width alone.
    std::array<QString, Answers> whole, loaded, fitted;
    for (std::size_t answer = 0; answer < Answers; ++answer) {
        whole[answer] = ComparableText(written[answer + 1], AnyLanguage);
        loaded[answer] = ComparableText(entry.answers[answer + 1].view(), AnyLanguage);
        fitted[answer] = ComparableText(written[answer + 1].substr(0, BankFieldWidths[answer + 1]), AnyLanguage);
    }
    std::vector<std::vector<int>> told = EqualGroups(whole);
    for (const std::vector<int> &group : told)
        problems.push_back({line, group[1], BankProblemKind::SameAnswers, 0, {Names(group)}});
    // The cut to the width first, then the line's cut at 140, each group once.
    const auto warnCut = [&](const std::array<QString, Answers> &compared, std::size_t form) {
        for (const std::vector<int> &group : EqualGroups(compared)) {
            // Answers already the same in full were reported as such.
            const bool sameInFull = std::all_of(group.begin(), group.end(), [&](int field) {
                return whole[std::size_t(field) - 1] == whole[std::size_t(group[0]) - 1];
            });
            if (sameInFull || std::find(told.begin(), told.end(), group) != told.end())
                continue;
            told.push_back(group);
            problems.push_back({line, group[1], BankProblemKind::SameAfterCut, form,
                                {Names(group), std::to_string(BankFieldWidths[1]), std::to_string(BankLineLength)}});
        }
    };
    warnCut(fitted, 0);
    warnCut(loaded, 1);
}
