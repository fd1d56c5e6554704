#include "LineSpliceCommand.h"

LineSpliceCommand::LineSpliceCommand(BankTableModel *model, BankSplice splice,
                                     std::optional<BankTableModel::Move> move, const QString &text)
    : QUndoCommand(text), model_(model), splice_(std::move(splice)), move_(move)
{
}

void LineSpliceCommand::redo()
{
    model_->apply(splice_, move_);
}

void LineSpliceCommand::undo()
{
    std::optional<BankTableModel::Move> back;
    if (move_) {
        // The block now stands where it was moved; it goes back before the line that followed it.
        const auto [row, count, destination] = *move_;
        back = destination < row ? BankTableModel::Move{destination, count, row + count}
                                 : BankTableModel::Move{destination - count, count, row};
    }
    model_->apply({splice_.row, splice_.after, splice_.before}, back);
}
