#include "entrycommand.h"

#include <utility>

EntryCommand::EntryCommand(const QString &text, Step backward, Step forward, bool done)
    : QUndoCommand(text), back(std::move(backward)), forth(std::move(forward)), skipRedo(done)
{
}

void EntryCommand::undo()
{
    back();
}

void EntryCommand::redo()
{
    if (skipRedo) {
        skipRedo = false;
        return;
    }
    forth();
}
