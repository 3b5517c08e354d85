#include "traylistwidget.h"

#include <QKeyEvent>

TrayListWidget::TrayListWidget(QWidget *parent) : QListWidget(parent) {}

void TrayListWidget::startDrag(Qt::DropActions supportedActions)
{
    QListWidget::startDrag(supportedActions);
    emit dragEnded();
}

void TrayListWidget::keyPressEvent(QKeyEvent *event)
{
    // Arrow keys count as keypad keys on some systems.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    const bool sideways = key == Qt::Key_Left || key == Qt::Key_Right;
    const bool upOrDown = key == Qt::Key_Up || key == Qt::Key_Down;
    if (modifiers == Qt::ControlModifier && sideways) {
        // The model's own move, as a drop makes it: the tray hears of it through rowsMoved.
        const int row = currentRow();
        const int to = key == Qt::Key_Left ? row - 1 : row + 1;
        if (row >= 0 && to >= 0 && to < count())
            model()->moveRow(QModelIndex(), row, QModelIndex(), to > row ? to + 1 : to);
        event->accept();
        return;
    }
    if (upOrDown && (modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier)) {
        emit neighbourRequested(key == Qt::Key_Up ? -1 : 1);
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}
