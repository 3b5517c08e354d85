#pragma once

#include <QString>
#include <functional>

class QWidget;

// Every file name the window asks the examiner for goes through here, so tests
// can answer without a modal dialog.
class FileDialogs
{
public:
    enum Kind
    {
        Open,
        Save
    };

    // Answers in place of the dialogs while set; an empty function restores them.
    using Responder = std::function<QString(Kind kind, const QString &caption)>;
    static void setResponder(Responder responder);

    static QString openFileName(QWidget *parent, const QString &caption = QString(),
                                const QString &filter = QString());
    static QString saveFileName(QWidget *parent, const QString &caption = QString(),
                                const QString &filter = QString());

    // The name with the extension added unless it already ends in it (any case).
    static QString withExtension(const QString &name, const QString &extension);
};
