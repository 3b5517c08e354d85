#include "messageboxes.h"

namespace {
MessageBoxes::Responder &responder()
{
    static MessageBoxes::Responder r;
    return r;
}
} // namespace

void MessageBoxes::setResponder(Responder r)
{
    responder() = std::move(r);
}

QMessageBox::StandardButton MessageBoxes::show(QWidget *parent, const Box &box)
{
    if (responder())
        return responder()(box);
    QMessageBox shown(box.icon, box.title, box.text, box.buttons, parent);
    shown.setInformativeText(box.informativeText);
    if (box.defaultButton != QMessageBox::NoButton)
        shown.setDefaultButton(box.defaultButton);
    if (!box.iconPixmap.isNull())
        shown.setIconPixmap(box.iconPixmap);
    return static_cast<QMessageBox::StandardButton>(shown.exec());
}

void MessageBoxes::warning(QWidget *parent, const QString &title, const QString &text)
{
    Box box;
    box.icon = QMessageBox::Warning;
    box.title = title;
    box.text = text;
    show(parent, box);
}
