#pragma once

#include <QMessageBox>
#include <QPixmap>
#include <QString>
#include <functional>

class QWidget;

// Every message box the window shows, its pages' boxes included, goes through
// here, so tests answer without a modal box (as FileDialogs does for file names).
class MessageBoxes
{
public:
    // What a box shows and which buttons it offers.
    struct Box
    {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
        QString informativeText;
        QMessageBox::StandardButtons buttons = QMessageBox::Ok;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QPixmap iconPixmap; // in place of the icon when set
    };

    // Answers in place of the boxes while set; an empty function restores them.
    using Responder = std::function<QMessageBox::StandardButton(const Box &box)>;
    static void setResponder(Responder responder);

    // Shows the box and returns the button the examiner pressed.
    static QMessageBox::StandardButton show(QWidget *parent, const Box &box);
    static void warning(QWidget *parent, const QString &title, const QString &text);
};
