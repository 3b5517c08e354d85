#pragma once

#include <QListWidget>

// The list inside a tray. It adds a notice that a drag has ended, however it
// ended (dropped, refused or cancelled), so the tray can drop the drag picture it
// gave the pressed item; and arranging by keyboard: Ctrl+Left and Ctrl+Right move
// the focused cap one place, Up and Down ask for the tray above or below.
class TrayListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit TrayListWidget(QWidget *parent = nullptr);

signals:
    void dragEnded();
    // -1: the tray above, +1: the tray below.
    void neighbourRequested(int direction);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void keyPressEvent(QKeyEvent *event) override;
};
