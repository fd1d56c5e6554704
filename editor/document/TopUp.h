#pragma once

#include "editor/document/BankDocument.h"
#include "forms/BankLanguage.h"

#include <QByteArrayView>

#include <vector>

// Topping a bank up to the game's 100 questions from another bank: which of
// the other bank's lines to add and where. A question already in the bank,
// or met earlier in the other one, is the same question by the duplicate
// rule (SameText) in the other bank's language, and is left out.
struct TopUpPlan {
    // The new lines go after the bank's last line with any text, in place of
    // the blank lines after it, which are empty slots as far as players are
    // concerned.
    int row = 0;
    int replaced = 0;
    std::vector<BankLine> lines;
    int room = 0;       // slots free for new questions
    int duplicates = 0; // questions left out as already there
    int leftOver = 0;   // new questions left out for want of room
};

TopUpPlan PlanTopUp(const BankDocument &bank, QByteArrayView source, const BankLanguage &language);
