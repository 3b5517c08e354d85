#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QSize>
#include <QString>

// The report footer's logo file, read without risk to the program: only a regular
// file (a pipe or a device would block the window) of reasonable size, decoded at
// the size it is shown rather than at its full size.
class LogoImage
{
    Q_DECLARE_TR_FUNCTIONS(LogoImage)

public:
    static constexpr qint64 LargestFile = qint64(64) << 20;

    enum Scaling
    {
        Fit,       // made as large as fits in the box
        ShrinkOnly // made smaller when it does not fit, else left at its size
    };

    // The picture scaled into box keeping its proportions; a null image, with *why
    // telling the examiner the reason, when the path names no readable image.
    static QImage read(const QString &path, const QSize &box, Scaling scaling,
                       QString *why = nullptr);
};
