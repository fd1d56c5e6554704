#pragma once

#include "forms/BankChecks.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

// The live list of what the bank checks report, one row per problem or
// warning, each marked by its icon, with buttons that fix the chosen one
// when the model knows how, and every fixable one at once; and a box that
// asks for the checks on the rows past 100, with the count of findings.
class ProblemPanel : public QWidget {
    Q_OBJECT

public:
    using FixTest = std::function<bool(const BankProblem &)>;
    ProblemPanel(QWidget *parent, FixTest canFix);

    void setProblems(std::vector<BankProblem> problems);
    const std::vector<BankProblem> &problems() const { return problems_; }
    std::optional<BankProblem> currentProblem() const;
    bool currentCanBeFixed() const;

    QListWidget *list() const { return list_; }
    QPushButton *fixButton() const { return fixButton_; }
    QPushButton *fixAllButton() const { return fixAllButton_; }
    // Whether the author asked for the checks on the rows past 100 too;
    // the panel then counts the findings it lists there.
    QCheckBox *pastSlotsBox() const { return pastSlotsBox_; }

signals:
    // Clicked, or Enter pressed on it.
    void problemChosen(const BankProblem &problem);
    void fixRequested(const BankProblem &problem);
    void currentChanged();

private:
    void requestFix();

    FixTest canFix_;
    std::vector<BankProblem> problems_;
    QListWidget *list_ = nullptr;
    QPushButton *fixButton_ = nullptr;
    QPushButton *fixAllButton_ = nullptr;
    QCheckBox *pastSlotsBox_ = nullptr;
    QLabel *pastSlotsCount_ = nullptr;
};
