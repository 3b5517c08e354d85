#include "logoimage.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

QImage LogoImage::read(const QString &path, const QSize &box, Scaling scaling, QString *why)
{
    const auto refuse = [why](const QString &reason) {
        if (why)
            *why = reason;
        return QImage();
    };
    const QString name = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists())
        return refuse(tr("%1 does not exist.").arg(name));
    if (!info.isFile())
        return refuse(tr("%1 is not a file.").arg(name));
    if (info.size() > LargestFile)
        return refuse(tr("%1 is larger than %2 MB.").arg(name).arg(LargestFile >> 20));
    QImageReader reader(path);
    const QSize size = reader.size();
    const bool fits = size.width() <= box.width() && size.height() <= box.height();
    if (size.isValid() && !size.isEmpty() && !box.isEmpty() && !(scaling == ShrinkOnly && fits))
        reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    QImage image = reader.read();
    if (image.isNull())
        return refuse(
            tr("%1 is not an image that can be read (%2).").arg(name, reader.errorString()));
    return image;
}
