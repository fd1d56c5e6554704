#pragma once

#include "editor/document/BankDocument.h"

#include <QUndoCommand>

#include <functional>

// One undo step: a splice of the bank's lines, done by the given apply, and
// undone by it with the splice reversed, so that the views follow both.
class LineSpliceCommand : public QUndoCommand {
public:
    using Apply = std::function<void(const BankSplice &)>;

    LineSpliceCommand(Apply apply, BankSplice splice, const QString &text);

    void redo() override;
    void undo() override;

private:
    Apply apply_;
    BankSplice splice_;
};
