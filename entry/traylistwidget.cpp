#include "traylistwidget.h"

TrayListWidget::TrayListWidget(QWidget *parent) : QListWidget(parent) {}

void TrayListWidget::startDrag(Qt::DropActions supportedActions)
{
    QListWidget::startDrag(supportedActions);
    emit dragEnded();
}
