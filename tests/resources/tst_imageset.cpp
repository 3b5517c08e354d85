#include "capcolours.h"
#include "imageset.h"
#include "swatchpainter.h"
#include "vkresources.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QColor Background(246, 248, 247);

QImage loadSwatch(int index)
{
    return QImage(QStringLiteral(":/HueSwatches/") + ImageSet::swatchName(index));
}

// Colour of the first fully opaque pixel scanning from the top left.
QColor firstOpaque(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() == 255)
                return c;
        }
    }
    return QColor();
}

int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y).alpha() > 0 ? 1 : 0;
    }
    return count;
}

} // namespace

class TestImageSet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { vkInitResources(); }

    void swatch_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QColor>("top");
        // Rows with hand-written colours pin the exceptions and the ends of the
        // table; the rest follow the cap colour table key for key.
        const QMap<int, QColor> fixed = {
            {0, QColor(247, 149, 132)},  {1, QColor(255, 160, 145)},  {54, QColor(108, 208, 237)},
            {55, QColor(112, 204, 233)}, {56, QColor(122, 202, 237)}, {85, CapColours::colour(85)},
        };
        for (int index = 0; index < SwatchPainter::Count; ++index) {
            const QColor top = fixed.value(index, CapColours::colour(index));
            QTest::newRow(qPrintable(ImageSet::swatchName(index))) << index << top;
        }
    }

    void swatch()
    {
        QFETCH(int, index);
        QFETCH(QColor, top);
        const QImage committed = loadSwatch(index);
        QVERIFY2(!committed.isNull(), "swatch missing from the resources");
        QCOMPARE(committed.size(), QSize(52, 53));
        QCOMPARE(SwatchPainter::topColour(index), top);

        const QImage drawn = SwatchPainter::swatch(index);
        QCOMPARE(drawn.size(), QSize(52, 53));
        QVERIFY2(committed.convertToFormat(QImage::Format_RGB32) == drawn,
                 "committed swatch differs from the drawing: rebuild the `images` target");

        // The middle of the top face carries the colour unmixed, and so does
        // a good part of the face around it.
        const QPoint centre = SwatchPainter::topFaceCentre();
        QCOMPARE(committed.pixelColor(centre), top);
        for (const QPoint offset : {QPoint(-10, 0), QPoint(10, 0), QPoint(0, -6), QPoint(0, 6)})
            QCOMPARE(committed.pixelColor(centre + offset), top);

        // Background in every corner; the cap's front wall is near-black.
        const int right = committed.width() - 1, bottom = committed.height() - 1;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            QCOMPARE(committed.pixelColor(corner), Background);
        const QColor wall = committed.pixelColor(centre.x(), centre.y() + 18);
        QVERIFY2(qMax(wall.red(), qMax(wall.green(), wall.blue())) < 100, qPrintable(wall.name()));
    }

    void swatchNumbering()
    {
        QCOMPARE(ImageSet::swatchName(0), QStringLiteral("VK0.png"));
        QCOMPARE(ImageSet::swatchName(85), QStringLiteral("VK85.png"));
        QVERIFY(!QFile::exists(QStringLiteral(":/HueSwatches/VK86.png")));
        QVERIFY(!QFile::exists(QStringLiteral(":/HueSwatches/VK00.png")));
        QVERIFY(!QFile::exists(QStringLiteral(":/HueSwatches/VK01.png")));
        QVERIFY(SwatchPainter::swatch(-1).isNull());
        QVERIFY(SwatchPainter::swatch(86).isNull());
        QVERIFY(!SwatchPainter::topColour(86).isValid());
        QCOMPARE(QDir(QStringLiteral(":/HueSwatches")).entryList(QDir::Files).size(), 86);
    }

    // The names the window, the report, the about box, the style sheet and the
    // preferences dialog load.
    void namedImageLoads_data()
    {
        QTest::addColumn<QString>("name");
        const char *names[] = {
            "add.png",
            "add-selected.png",
            "view.png",
            "view-selected.png",
            "analysis.png",
            "analysis-selected.png",
            "database.png",
            "database-selected.png",
            "print.png",
            "help.png",
            "edit.png",
            "trash.png",
            "aboutImage.png",
            "zeltaWatermark.png",
            "drop-down-arrow.png",
            "add-hover.png",
            "add-disabled.png",
            "view-hover.png",
            "view-disabled.png",
            "analysis-hover.png",
            "analysis-disabled.png",
            "database-hover.png",
            "database-disabled.png",
            "appIcon.png",
        };
        for (const char *name : names)
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void namedImageLoads()
    {
        QFETCH(QString, name);
        const QImage image(QStringLiteral(":/Images/") + name);
        QVERIFY(!image.isNull());
        QVERIFY(opaquePixels(image) > 0);
    }

    void dropDownArrowFitsItsBox()
    {
        QCOMPARE(QImage(QStringLiteral(":/Images/drop-down-arrow.png")).size(), QSize(16, 16));
    }

    void aboutImageFitsBetweenTitleAndCredits()
    {
        const QImage about(QStringLiteral(":/Images/aboutImage.png"));
        QVERIFY(about.height() <= 200);
        QVERIFY(about.width() <= 500);
    }

    void committedImageMatchesDrawing_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : ImageSet::imageNames())
            QTest::newRow(qPrintable(name)) << name;
    }

    void committedImageMatchesDrawing()
    {
        QFETCH(QString, name);
        const QImage committed(QStringLiteral(":/Images/") + name);
        QVERIFY2(!committed.isNull(), "image missing from resources.qrc");
        const QImage drawn = ImageSet::image(name);
        QCOMPARE(committed.size(), drawn.size());
        QVERIFY2(committed.convertToFormat(QImage::Format_ARGB32) == drawn,
                 "committed image differs from the drawing: rebuild the `images` target");
    }

    void iconInkFollowsState_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("ink");
        for (const char *base : {"add", "view", "analysis", "database", "print", "help"}) {
            const QString b = QString::fromLatin1(base);
            QTest::newRow(base) << b + QStringLiteral(".png") << QColor(0x6b, 0x6b, 0x6b);
            QTest::newRow(qPrintable(b + QStringLiteral("-selected")))
                << b + QStringLiteral("-selected.png") << QColor(0x14, 0x8a, 0xd4);
            QTest::newRow(qPrintable(b + QStringLiteral("-hover")))
                << b + QStringLiteral("-hover.png") << QColor(0x18, 0xa2, 0xf9);
            QTest::newRow(qPrintable(b + QStringLiteral("-disabled")))
                << b + QStringLiteral("-disabled.png") << QColor(0xc4, 0xc4, 0xc4);
        }
    }

    void iconInkFollowsState()
    {
        QFETCH(QString, name);
        QFETCH(QColor, ink);
        const QImage icon(QStringLiteral(":/Images/") + name);
        QCOMPARE(icon.size(), QSize(32, 32));
        QCOMPARE(firstOpaque(icon), ink);
        QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
    }

    void unknownNameDrawsNothing()
    {
        QVERIFY(ImageSet::image(QStringLiteral("missing.png")).isNull());
        QVERIFY(ImageSet::image(QString()).isNull());
        QVERIFY(ImageSet::appIcon(0).isNull());
        QVERIFY(ImageSet::appIcon(-16).isNull());
    }

    void appIconOnDisk_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : ImageSet::appIconSizes())
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }

    void appIconOnDisk()
    {
        QFETCH(int, size);
        const QString path = QStringLiteral(VK_RESOURCES_DIR "/") + ImageSet::appIconPath(size);
        const QImage committed(path);
        QVERIFY2(!committed.isNull(), qPrintable(path));
        QCOMPARE(committed.size(), QSize(size, size));
        QVERIFY(committed.convertToFormat(QImage::Format_ARGB32) == ImageSet::appIcon(size));
        // Rounded corners: the very corner stays clear, the middle is solid.
        QCOMPARE(committed.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(committed.pixelColor(size / 2, size / 2).alpha(), 255);
    }

    void appIconSizesIncludeDesktopStandards()
    {
        const QList<int> sizes = ImageSet::appIconSizes();
        for (const int size : {16, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(size), qPrintable(QString::number(size)));
    }

    void writeAllProducesEveryFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString error;
        QVERIFY2(ImageSet::writeAll(dir.path(), &error), qPrintable(error));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("HueSwatches"))).entryList(QDir::Files).size(),
                 86);
        QCOMPARE(QDir(dir.filePath(QStringLiteral("Images"))).entryList(QDir::Files).size(),
                 ImageSet::imageNames().size());
        const QImage written(dir.filePath(QStringLiteral("HueSwatches/VK55.png")));
        QCOMPARE(written.convertToFormat(QImage::Format_RGB32), SwatchPainter::swatch(55));
        QVERIFY(QFile::exists(dir.filePath(ImageSet::appIconPath(256))));
    }

    void writeAllReportsWhatFailed()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // A plain file where the Images folder should go.
        QFile blocker(dir.filePath(QStringLiteral("Images")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QString error;
        QVERIFY(!ImageSet::writeAll(dir.path(), &error));
        QVERIFY2(error.contains(QStringLiteral("Images/")), qPrintable(error));
    }

    void desktopEntryNamesProgramAndIcon()
    {
        QFile entry(QStringLiteral(VK_RESOURCES_DIR "/veskora.desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), QStringLiteral("[Desktop Entry]"));
        QVERIFY(lines.contains(QStringLiteral("Type=Application")));
        QVERIFY(lines.contains(QStringLiteral("Exec=veskora")));
        QVERIFY(lines.contains(QStringLiteral("Icon=veskora")));
        QVERIFY(lines.contains(QStringLiteral("Name=Veskora Scoring Software")));
    }
};

QTEST_GUILESS_MAIN(TestImageSet)
#include "tst_imageset.moc"
