#pragma once

#include <QString>
#include <QUndoCommand>

#include <functional>

// One undoable change on an entry page (a drag, a keyboard move, a typed order
// applied, Reset Test): the page hands in how to go back and how to go forward.
class EntryCommand : public QUndoCommand
{
public:
    using Step = std::function<void()>;

    // done: the page already shows the change (a drag has happened), so the
    // first redo, which QUndoStack::push() runs at once, leaves it alone.
    EntryCommand(const QString &text, Step backward, Step forward, bool done);

    void undo() override;
    void redo() override;

private:
    Step back;
    Step forth;
    bool skipRedo;
};
