#include "imageset.h"
#include "swatchpainter.h"
#include "vkresources.h"

#include <QtTest>

// The committed images are the drawings: a file missing, stale, damaged or of the wrong
// size fails here, and so does a change to a drawing that was not committed.
class TestImageSet : public QObject
{
    Q_OBJECT

    static QImage argb(const QString &path)
    {
        return QImage(path).convertToFormat(QImage::Format_ARGB32);
    }

private slots:
    void initTestCase() { vkInitResources(); }

    void swatchesAreTheDrawings()
    {
        QCOMPARE(QDir(QStringLiteral(":/HueSwatches")).entryList(QDir::Files).size(), 86);
        for (int index = 0; index < 86; ++index) {
            const QImage drawn =
                SwatchPainter::swatch(index).convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(drawn.size(), QSize(52, 53));
            QCOMPARE(argb(QStringLiteral(":/HueSwatches/") + ImageSet::swatchName(index)), drawn);
            QCOMPARE(drawn.pixelColor(SwatchPainter::topFaceCentre()),
                     SwatchPainter::topColour(index));
        }
        // Swatch 0 (cap 1) and swatch 55 differ from their table keys, as the caps do.
        QCOMPARE(SwatchPainter::topColour(0), QColor(247, 149, 132));
        QCOMPARE(SwatchPainter::topColour(55), QColor(112, 204, 233));
        QVERIFY(SwatchPainter::swatch(-1).isNull() && SwatchPainter::swatch(86).isNull());
    }

    void imagesAreTheDrawings()
    {
        QStringList names = ImageSet::imageNames();
        for (const QString &name : names)
            QCOMPARE(argb(QStringLiteral(":/Images/") + name), ImageSet::image(name));
        names.sort();
        QCOMPARE(QDir(QStringLiteral(":/Images")).entryList(QDir::Files), names);
        for (const int size : ImageSet::appIconSizes())
            QCOMPARE(argb(QStringLiteral(VK_RESOURCES_DIR "/") + ImageSet::appIconPath(size)),
                     ImageSet::appIcon(size));
        // The sizes the style sheet, the about box and the window leave them.
        QCOMPARE(ImageSet::image(QStringLiteral("drop-down-arrow.png")).size(), QSize(16, 16));
        QCOMPARE(ImageSet::image(QStringLiteral("aboutImage.png")).size(), QSize(200, 200));
        QCOMPARE(ImageSet::image(QStringLiteral("add-hover.png")).size(), QSize(32, 32));
        QVERIFY(ImageSet::image(QStringLiteral("missing.png")).isNull() &&
                ImageSet::appIcon(0).isNull());
    }

    // The generator writes every file, or names the one it could not write.
    void writeAll()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY2(ImageSet::writeAll(dir.path(), &error), qPrintable(error));
        QCOMPARE(argb(dir.filePath(QStringLiteral("HueSwatches/VK85.png"))),
                 SwatchPainter::swatch(85).convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(QImage(dir.filePath(ImageSet::appIconPath(256))).size(), QSize(256, 256));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("Images"))).entryList(QDir::Files).size(),
                 ImageSet::imageNames().size());
        QFile blocker(dir.filePath(QStringLiteral("Images")));
        QVERIFY(QDir(blocker.fileName()).removeRecursively() && blocker.open(QIODevice::WriteOnly));
        QVERIFY(!ImageSet::writeAll(dir.path(), &error));
        QVERIFY2(error.contains(QStringLiteral("Images/")), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestImageSet)
#include "tst_imageset.moc"
