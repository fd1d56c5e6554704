#pragma once

#include "BankTableModel.h"

#include <QUndoCommand>

// One undo step: a splice of the bank's lines, done and undone through the
// model so that the views follow.
class LineSpliceCommand : public QUndoCommand {
public:
    LineSpliceCommand(BankTableModel *model, BankSplice splice, std::optional<BankTableModel::Move> move,
                      const QString &text);

    void redo() override;
    void undo() override;

private:
    BankTableModel *model_;
    BankSplice splice_;
    std::optional<BankTableModel::Move> move_;
};
