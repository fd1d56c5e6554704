#pragma once

#include "forms/BankProblem.h"

#include <QHash>
#include <QString>

#include <array>
#include <string_view>
#include <vector>

// Warnings about what the questions say rather than how they are written:
// each matters once the game shuffles the answers. A question asked twice,
// or two answers a player cannot tell apart, whole or as the game cuts them:
// to their width, or by the line's 140 characters.
// Texts compare as SameText compares them in AnyLanguage, as a bank's
// language is not known here; fields with no letter or digit ("€", "?") are
// left alone, as they would all compare equal.
class ContentChecks {
public:
    // Checks one loaded line against the lines checked before it, adding its
    // warnings to `problems`. `written` holds its fields before the game's
    // cuts, as FieldsAsWritten reads them.
    void check(std::size_t line, const BankEntry &entry, const std::array<std::string_view, BankFieldCount> &written,
               std::vector<BankProblem> &problems);

private:
    QHash<QString, std::size_t> questions_; // each question asked, as compared, and its first line
};
