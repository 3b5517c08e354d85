#include "filedialogs.h"

#include <QFileDialog>

namespace {
FileDialogs::Responder &responder()
{
    static FileDialogs::Responder r;
    return r;
}
} // namespace

void FileDialogs::setResponder(Responder r)
{
    responder() = std::move(r);
}

QString FileDialogs::openFileName(QWidget *parent, const QString &caption, const QString &filter)
{
    if (responder())
        return responder()(Open, caption);
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString FileDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &filter)
{
    if (responder())
        return responder()(Save, caption);
    return QFileDialog::getSaveFileName(parent, caption, QString(), filter);
}

QString FileDialogs::withExtension(const QString &name, const QString &extension)
{
    if (name.endsWith(extension, Qt::CaseInsensitive))
        return name;
    return name + extension;
}
