#include "caporder.h"
#include "hueswatchlinewidget.h"
#include "scorewidget.h"
#include "vkresources.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QtTest>

namespace {

QVector<int> range(int first, int last)
{
    QVector<int> caps;
    for (int c = first; c <= last; ++c)
        caps.append(c);
    return caps;
}

QVector<int> tray1Caps()
{
    return QVector<int>{85} + range(1, 21);
}

QListWidget *listOf(HueSwatchLineWidget &tray)
{
    return tray.findChild<QListWidget *>(QStringLiteral("listWidget"));
}

bool move(HueSwatchLineWidget &tray, int from, int to)
{
    return listOf(tray)->model()->moveRow(QModelIndex(), from, QModelIndex(), to);
}

QLabel *labelOf(ScoreWidget *tile, const char *name)
{
    return tile->findChild<QLabel *>(QLatin1String(name));
}

} // namespace

class TestHueSwatchLineWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { vkInitResources(); }

    void trayReadsBackItsCapList_data();
    void trayReadsBackItsCapList();
    void moveReordersTheText_data();
    void moveReordersTheText();
    void resetTrayRestoresTheCapList();
    void keyboardArranges_data();
    void keyboardArranges();
    void showOrderKeepsTheCapListAndTheSize();
    void tilesShowTheirSwatchImage();
    void setScoresAndClearScores();
    void resizeTilesFollowsTheSizingRule_data();
    void resizeTilesFollowsTheSizingRule();
    void pressGivesTheItemItsTilePicture();
    void noPictureOutlivesADragOrAClick();

    void tileScoreRowAppearsWithTheFirstScore();
    void tileGrabsItselfAsIcon();
};

void TestHueSwatchLineWidget::trayReadsBackItsCapList_data()
{
    QTest::addColumn<QVector<int>>("caps");
    QTest::addColumn<QString>("text");
    QTest::newRow("tray 1") << tray1Caps()
                            << QStringLiteral("85, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, "
                                              "15, 16, 17, 18, 19, 20, 21, ");
    QTest::newRow("tray 4") << range(64, 84)
                            << QStringLiteral("64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, "
                                              "76, 77, 78, 79, 80, 81, 82, 83, 84, ");
    QTest::newRow("empty") << QVector<int>() << QString();
}

void TestHueSwatchLineWidget::trayReadsBackItsCapList()
{
    QFETCH(QVector<int>, caps);
    QFETCH(QString, text);
    HueSwatchLineWidget tray;
    tray.setCapList(caps);
    QCOMPARE(tray.count(), caps.size());
    QCOMPARE(tray.capOrderText(), text);
}

void TestHueSwatchLineWidget::moveReordersTheText_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("cap 5 to the left end") << 5 << 0 << QStringLiteral("5, 85, 1, 2, 3, 4, 6, 7, ");
    QTest::newRow("cap 85 after cap 2") << 0 << 3 << QStringLiteral("1, 2, 85, 3, 4, ");
    QTest::newRow("right end tile to the left end") << 21 << 0 << QStringLiteral("21, 85, 1, 2, ");
}

void TestHueSwatchLineWidget::moveReordersTheText()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, prefix);
    HueSwatchLineWidget tray;
    tray.setCapList(tray1Caps());
    QSignalSpy changes(&tray, &HueSwatchLineWidget::hasChanges);
    QVERIFY(move(tray, from, to));
    QCOMPARE(changes.count(), 1);
    QVERIFY2(tray.capOrderText().startsWith(prefix), qPrintable(tray.capOrderText()));
    QCOMPARE(tray.capOrderText().count(QLatin1String(", ")), 22);
    // The cap list is what the tray was given, not what the examiner made of it.
    QCOMPARE(tray.capList(), tray1Caps());
}

void TestHueSwatchLineWidget::keyboardArranges_data()
{
    QTest::addColumn<int>("focused");
    // Keys in order; "^" holds Ctrl down.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QVector<int>>("prefix");
    QTest::addColumn<int>("moves");
    QTest::addColumn<int>("focusedAfter");
    QTest::addColumn<QVector<int>>("neighbours");
    const QVector<int> none;
    QTest::newRow("Ctrl+Right moves 85 one place")
        << 0 << QStringLiteral("^Right") << QVector<int>{1, 85, 2} << 1 << 1 << none;
    QTest::newRow("Ctrl+Left moves cap 5 three places")
        << 5 << QStringLiteral("^Left ^Left ^Left") << QVector<int>{85, 1, 5, 2, 3, 4, 6} << 3 << 2
        << none;
    QTest::newRow("arrow along, then move")
        << 0 << QStringLiteral("Right Right ^Left") << QVector<int>{85, 2, 1, 3} << 1 << 1 << none;
    QTest::newRow("left end refuses Ctrl+Left")
        << 0 << QStringLiteral("^Left") << tray1Caps() << 0 << 0 << none;
    QTest::newRow("right end refuses Ctrl+Right")
        << 21 << QStringLiteral("^Right") << tray1Caps() << 0 << 21 << none;
    QTest::newRow("up and down ask for the next tray")
        << 4 << QStringLiteral("Up Down ^Down") << tray1Caps() << 0 << 4 << QVector<int>{-1, 1, 1};
}

void TestHueSwatchLineWidget::keyboardArranges()
{
    QFETCH(int, focused);
    QFETCH(QString, keys);
    QFETCH(QVector<int>, prefix);
    QFETCH(int, moves);
    QFETCH(int, focusedAfter);
    QFETCH(QVector<int>, neighbours);
    HueSwatchLineWidget tray;
    tray.setCapList(tray1Caps());
    tray.focusCap(focused);
    QSignalSpy changes(&tray, &HueSwatchLineWidget::hasChanges);
    QSignalSpy asked(&tray, &HueSwatchLineWidget::neighbourRequested);
    const QMap<QString, Qt::Key> names{{QStringLiteral("Left"), Qt::Key_Left},
                                       {QStringLiteral("Right"), Qt::Key_Right},
                                       {QStringLiteral("Up"), Qt::Key_Up},
                                       {QStringLiteral("Down"), Qt::Key_Down}};
    for (QString key : keys.split(QLatin1Char(' '))) {
        const bool ctrl = key.startsWith(QLatin1Char('^'));
        QTest::keyClick(listOf(tray), names.value(key.remove(QLatin1Char('^'))),
                        ctrl ? Qt::ControlModifier : Qt::NoModifier);
    }
    QCOMPARE(tray.order().mid(0, prefix.size()), prefix);
    QCOMPARE(tray.order().size(), 22);
    QCOMPARE(changes.count(), moves);
    QCOMPARE(tray.focusedRow(), focusedAfter);
    QVector<int> directions;
    for (const QList<QVariant> &signal : qAsConst(asked))
        directions << signal.at(0).toInt();
    QCOMPARE(directions, neighbours);
}

void TestHueSwatchLineWidget::showOrderKeepsTheCapListAndTheSize()
{
    HueSwatchLineWidget tray;
    tray.resize(1000, 96);
    tray.setCapList(tray1Caps());
    tray.resizeTiles(1000);
    QVector<int> reversed = tray1Caps();
    std::reverse(reversed.begin(), reversed.end());
    tray.showOrder(reversed);
    QCOMPARE(tray.order(), reversed);
    QCOMPARE(tray.capOrderText(), CapOrder::write(reversed));
    QCOMPARE(tray.capList(), tray1Caps());
    // Tiles laid out again keep the width the form gave last.
    QCOMPARE(listOf(tray)->item(0)->sizeHint().width(), 33);
    tray.resetTray();
    QCOMPARE(tray.order(), tray1Caps());
}

void TestHueSwatchLineWidget::resetTrayRestoresTheCapList()
{
    HueSwatchLineWidget tray;
    tray.setCapList(tray1Caps());
    tray.clearTray();
    QCOMPARE(tray.count(), 0);
    QCOMPARE(tray.capOrderText(), QString());
    tray.resizeTiles(1000); // an empty tray has nothing to lay out
    // A new list replaces the tiles and is what a reset goes back to.
    tray.setCapList(range(22, 42));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(tray.findChildren<ScoreWidget *>().size(), 21);
    const QString untouched = tray.capOrderText();
    QVERIFY(move(tray, 3, 0));
    QVERIFY(move(tray, 20, 2));
    QVERIFY(tray.capOrderText() != untouched);
    tray.resetTray();
    QCOMPARE(tray.capOrderText(), untouched);
    QCOMPARE(tray.count(), 21);
}

void TestHueSwatchLineWidget::tilesShowTheirSwatchImage()
{
    HueSwatchLineWidget tray;
    tray.setCapList(tray1Caps());
    // Row 0 holds cap 85, row 1 cap 1.
    const QImage cap85 = labelOf(tray.tileAt(0), "label")->pixmap(Qt::ReturnByValue).toImage();
    const QImage cap1 = labelOf(tray.tileAt(1), "label")->pixmap(Qt::ReturnByValue).toImage();
    const QImage image0 = QPixmap(QStringLiteral(":/HueSwatches/VK0.png")).toImage();
    const QImage image84 = QPixmap(QStringLiteral(":/HueSwatches/VK84.png")).toImage();
    QVERIFY(!image0.isNull() && !image84.isNull());
    QCOMPARE(cap1.convertToFormat(QImage::Format_ARGB32),
             image0.convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(cap85.convertToFormat(QImage::Format_ARGB32),
             image84.convertToFormat(QImage::Format_ARGB32));
    QVERIFY(cap1 != cap85);
}

void TestHueSwatchLineWidget::setScoresAndClearScores()
{
    HueSwatchLineWidget tray;
    tray.setCapList(range(1, 4));
    tray.setScores({QStringLiteral("2"), QStringLiteral("11"), QStringLiteral("6"),
                    QStringLiteral("3"), QStringLiteral("extra")});
    const QStringList expected = {QStringLiteral("2"), QStringLiteral("11"), QStringLiteral("6"),
                                  QStringLiteral("3")};
    for (int row = 0; row < 4; ++row)
        QCOMPARE(labelOf(tray.tileAt(row), "score")->text(), expected.at(row));
    // Scores follow the rows as they lie, not the caps.
    QVERIFY(move(tray, 3, 0));
    tray.setScores(expected);
    QCOMPARE(tray.tileAt(0)->capNumber(), 4);
    QCOMPARE(labelOf(tray.tileAt(0), "score")->text(), QStringLiteral("2"));
    // Fewer texts than tiles: the rest keep what they show.
    tray.setScores({QStringLiteral("9")});
    QCOMPARE(labelOf(tray.tileAt(0), "score")->text(), QStringLiteral("9"));
    QCOMPARE(labelOf(tray.tileAt(1), "score")->text(), QStringLiteral("11"));
    tray.clearScores();
    for (int row = 0; row < 4; ++row)
        QCOMPARE(labelOf(tray.tileAt(row), "score")->text(), QString());
}

void TestHueSwatchLineWidget::resizeTilesFollowsTheSizingRule_data()
{
    QTest::addColumn<int>("tiles");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("trayWidth");
    QTest::addColumn<int>("trayHeight");
    QTest::addColumn<int>("itemWidth");
    QTest::addColumn<int>("swatchSide"); // -1: what the number leaves of the row
    QTest::newRow("22 tiles at 1000") << 22 << 1000 << 1000 << 120 << 33 << 33;
    QTest::newRow("21 tiles at 1000") << 21 << 1000 << 900 << 120 << 35 << 31;
    QTest::newRow("too narrow") << 22 << 200 << 200 << 120 << 0 << 0;
    QTest::newRow("short tray") << 22 << 2000 << 2000 << 90 << 77 << -1;
}

void TestHueSwatchLineWidget::resizeTilesFollowsTheSizingRule()
{
    QFETCH(int, tiles);
    QFETCH(int, width);
    QFETCH(int, trayWidth);
    QFETCH(int, trayHeight);
    QFETCH(int, itemWidth);
    QFETCH(int, swatchSide);
    HueSwatchLineWidget tray;
    tray.resize(trayWidth, trayHeight);
    tray.setCapList(range(1, tiles));
    tray.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tray));
    tray.resizeTiles(width);
    QListWidget *list = listOf(tray);
    // The tiles stand inside the list's spacing of 5, so nothing of them is cut off.
    const int rowHeight = list->viewport()->height() - 10;
    if (swatchSide < 0) {
        swatchSide = rowHeight - labelOf(tray.tileAt(0), "number")->sizeHint().height();
        QVERIFY2(swatchSide > 0 && swatchSide < itemWidth, qPrintable(QString::number(swatchSide)));
    }
    for (int row = 0; row < tiles; ++row) {
        QCOMPARE(list->item(row)->sizeHint().width(), itemWidth);
        QCOMPARE(list->item(row)->sizeHint().height(), rowHeight);
        QCOMPARE(labelOf(tray.tileAt(row), "label")->size(), QSize(swatchSide, swatchSide));
    }
    QCOMPARE(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

void TestHueSwatchLineWidget::pressGivesTheItemItsTilePicture()
{
    HueSwatchLineWidget tray;
    tray.resize(800, 96);
    tray.setCapList(range(1, 5));
    tray.resizeTiles(800);
    tray.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tray));
    QListWidget *list = listOf(tray);
    QSignalSpy dragging(&tray, &HueSwatchLineWidget::itemBeingDragged);
    const QRect rect = list->visualItemRect(list->item(2));
    QTest::mousePress(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QCOMPARE(dragging.count(), 1);
    QCOMPARE(list->currentRow(), 2);
    QVERIFY(!list->item(2)->icon().isNull());
    QCOMPARE(list->iconSize(), list->item(2)->sizeHint());
    QVERIFY(list->item(1)->icon().isNull());
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

void TestHueSwatchLineWidget::noPictureOutlivesADragOrAClick()
{
    HueSwatchLineWidget tray;
    tray.resize(800, 96);
    tray.setCapList(range(1, 5));
    tray.resizeTiles(800);
    tray.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tray));
    QListWidget *list = listOf(tray);
    QSignalSpy clears(&tray, &HueSwatchLineWidget::clearIcons);

    // A drop: the moved item loses its picture and the selection goes.
    list->setCurrentRow(1);
    clears.clear();
    tray.itemDragging();
    QVERIFY(!list->item(1)->icon().isNull());
    QVERIFY(move(tray, 1, 4));
    for (int row = 0; row < list->count(); ++row)
        QVERIFY(list->item(row)->icon().isNull());
    QVERIFY(list->selectedItems().isEmpty());

    // A drag that ended without a move.
    list->setCurrentRow(0);
    tray.itemDragging();
    QVERIFY(!list->item(0)->icon().isNull());
    QVERIFY(QMetaObject::invokeMethod(list, "dragEnded"));
    QVERIFY(list->item(0)->icon().isNull());

    // A click asks the form to drop the pictures.
    clears.clear();
    const QRect rect = list->visualItemRect(list->item(3));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QVERIFY(clears.count() >= 1);
    tray.removeSelectedIcons();
    QVERIFY(list->item(3)->icon().isNull());
}

void TestHueSwatchLineWidget::tileScoreRowAppearsWithTheFirstScore()
{
    ScoreWidget tile;
    QLabel *score = labelOf(&tile, "score");
    QCOMPARE(score->minimumHeight(), 0);
    QVERIFY(!score->isVisibleTo(&tile)); // no room taken from the swatch before a score
    QCOMPARE(score->text(), QString());
    tile.setScore(QString());
    QCOMPARE(score->minimumHeight(), score->fontMetrics().height());
    QVERIFY(score->isVisibleTo(&tile));
    QCOMPARE(score->text(), QString());
    QVERIFY(score->styleSheet().contains(QLatin1String("red")));
    tile.setScore(QStringLiteral("14"));
    QCOMPARE(score->text(), QStringLiteral("14"));
    tile.setNumber(42);
    QCOMPARE(tile.capNumber(), 42);
    QCOMPARE(labelOf(&tile, "number")->text(), QStringLiteral("42"));
}

void TestHueSwatchLineWidget::tileGrabsItselfAsIcon()
{
    ScoreWidget tile;
    tile.resize(40, 90);
    QPixmap swatch(52, 53);
    swatch.fill(Qt::blue);
    tile.setSwatch(QIcon(swatch), QSize(52, 53));
    const QIcon icon = tile.grabIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes().value(0), QSize(40, 90));
    tile.resizeSwatch(QSize(20, 20));
    QLabel *swatchLabel = labelOf(&tile, "label");
    QCOMPARE(swatchLabel->size(), QSize(20, 20));
    // The swatch keeps its proportions inside the square.
    QCOMPARE(swatchLabel->pixmap(Qt::ReturnByValue).height(), 20);
}

QTEST_MAIN(TestHueSwatchLineWidget)
#include "tst_hueswatchlinewidget.moc"
