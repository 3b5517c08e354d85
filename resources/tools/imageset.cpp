#include "imageset.h"

#include "iconpainter.h"
#include "markpainter.h"
#include "swatchpainter.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>

namespace {

struct GlyphName
{
    const char *name;
    IconPainter::Glyph glyph;
};

const GlyphName Glyphs[] = {
    {"add", IconPainter::Glyph::Add},           {"view", IconPainter::Glyph::View},
    {"analysis", IconPainter::Glyph::Analysis}, {"database", IconPainter::Glyph::Database},
    {"print", IconPainter::Glyph::Print},       {"help", IconPainter::Glyph::Help},
    {"edit", IconPainter::Glyph::Edit},         {"trash", IconPainter::Glyph::Trash},
};

struct Variant
{
    const char *suffix;
    QColor ink;
};

// Grey at rest, the window's blue for the current page, a lighter blue under
// the mouse, pale grey when the button cannot be used.
const Variant Variants[] = {
    {"", QColor(0x6b, 0x6b, 0x6b)},
    {"-selected", QColor(0x14, 0x8a, 0xd4)},
    {"-hover", QColor(0x18, 0xa2, 0xf9)},
    {"-disabled", QColor(0xc4, 0xc4, 0xc4)},
};

constexpr int IconSize = 32;
const QLatin1String AboutName("aboutImage.png");
const QLatin1String WatermarkName("zeltaWatermark.png");
const QLatin1String ArrowName("drop-down-arrow.png");
const QLatin1String AppIconName("appIcon.png");

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// PNG files come back as straight alpha; hand out the same form so that a
// committed file and a fresh drawing compare pixel for pixel.
QImage finished(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage glyphImage(IconPainter::Glyph glyph, const QColor &ink)
{
    QImage image = blank(IconSize, IconSize);
    QPainter painter(&image);
    IconPainter::drawGlyph(&painter, glyph, QRectF(0, 0, IconSize, IconSize), ink);
    painter.end();
    return finished(image);
}

bool save(const QImage &image, const QString &path, QString *error)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path, "PNG")) {
        if (error)
            *error = path;
        return false;
    }
    return true;
}

} // namespace

QStringList ImageSet::imageNames()
{
    QStringList names;
    for (const GlyphName &g : Glyphs) {
        for (const Variant &v : Variants)
            names << QLatin1String(g.name) + QLatin1String(v.suffix) + QLatin1String(".png");
    }
    names << ArrowName << AboutName << WatermarkName << AppIconName;
    return names;
}

QImage ImageSet::image(const QString &name)
{
    for (const GlyphName &g : Glyphs) {
        for (const Variant &v : Variants) {
            if (name == QLatin1String(g.name) + QLatin1String(v.suffix) + QLatin1String(".png"))
                return glyphImage(g.glyph, v.ink);
        }
    }
    if (name == ArrowName) {
        QImage image = blank(16, 16);
        QPainter painter(&image);
        IconPainter::drawDropDownArrow(&painter, QRectF(0, 0, 16, 16), QColor(0x5a, 0x5a, 0x5a));
        painter.end();
        return finished(image);
    }
    if (name == AboutName) {
        // The about box leaves 200 scene pixels between its title and credits.
        QImage image = blank(200, 200);
        QPainter painter(&image);
        MarkPainter::drawMark(&painter, QRectF(4, 4, 192, 192), MarkPainter::Ring::Caps);
        painter.end();
        return finished(image);
    }
    if (name == WatermarkName) {
        // Printed behind the report's heading area, so kept faint. The mark is
        // drawn whole first: fading its overlapping sectors one by one would
        // show every seam.
        QImage mark = blank(300, 300);
        QPainter markPainter(&mark);
        MarkPainter::drawMark(&markPainter, QRectF(6, 6, 288, 288), MarkPainter::Ring::Band);
        markPainter.end();
        QImage image = blank(300, 300);
        QPainter painter(&image);
        painter.setOpacity(0.4);
        painter.drawImage(0, 0, mark);
        painter.end();
        return finished(image);
    }
    if (name == AppIconName)
        return appIcon(256);
    return QImage();
}

QString ImageSet::swatchName(int index)
{
    return QStringLiteral("VK%1.png").arg(index);
}

QList<int> ImageSet::appIconSizes()
{
    return {16, 24, 32, 48, 64, 128, 256};
}

QImage ImageSet::appIcon(int size)
{
    if (size <= 0 || size > 1024)
        return QImage();
    QImage image = blank(size, size);
    QPainter painter(&image);
    MarkPainter::drawAppIcon(&painter, QRectF(0, 0, size, size));
    painter.end();
    return finished(image);
}

QString ImageSet::appIconPath(int size)
{
    return QStringLiteral("icons/hicolor/%1x%1/apps/veskora.png").arg(size);
}

bool ImageSet::writeAll(const QString &resourceDir, QString *error)
{
    const QDir root(resourceDir);
    for (const QString &name : imageNames()) {
        if (!save(image(name), root.filePath(QStringLiteral("Images/") + name), error))
            return false;
    }
    for (int index = 0; index < SwatchPainter::Count; ++index) {
        const QString path = root.filePath(QStringLiteral("HueSwatches/") + swatchName(index));
        if (!save(SwatchPainter::swatch(index), path, error))
            return false;
    }
    const QList<int> sizes = appIconSizes();
    return std::all_of(sizes.cbegin(), sizes.cend(), [&](int size) {
        return save(appIcon(size), root.filePath(appIconPath(size)), error);
    });
}
