#pragma once

#include <QListWidget>

// The list inside a tray. It only adds a notice that a drag has ended, however it
// ended (dropped, refused or cancelled), so the tray can drop the drag picture it
// gave the pressed item.
class TrayListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit TrayListWidget(QWidget *parent = nullptr);

signals:
    void dragEnded();

protected:
    void startDrag(Qt::DropActions supportedActions) override;
};
