#include "editor/window/LineSpliceCommand.h"

LineSpliceCommand::LineSpliceCommand(Apply apply, BankSplice splice, const QString &text)
    : QUndoCommand(text), apply_(std::move(apply)), splice_(std::move(splice))
{
}

void LineSpliceCommand::redo()
{
    apply_(splice_);
}

void LineSpliceCommand::undo()
{
    apply_(splice_.reversed());
}
