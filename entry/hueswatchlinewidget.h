#pragma once

#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>
#include <memory>

class QAbstractItemModel;
class QListWidgetItem;
class ScoreWidget;

namespace Ui {
class HueSwatchLineWidget;
}

// One tray of caps. The examiner reproduces the subject's arrangement by dragging
// tiles within the tray; a tile never leaves its own tray.
class HueSwatchLineWidget : public QWidget
{
    Q_OBJECT

public:
    explicit HueSwatchLineWidget(QWidget *parent = nullptr);
    ~HueSwatchLineWidget() override;

    // Resource path of the swatch that a tile of this cap shows (cap n shows image n - 1).
    static QString swatchPath(int cap);

    void setCapList(const QVector<int> &caps);
    QVector<int> capList() const { return caps; }
    void rebuildTiles();

    // The order as it lies now: every cap number followed by ", ".
    QString capOrderText() const;

    void setScores(const QStringList &scores);
    void clearScores();

    void resetTray();
    void clearTray();
    // Lays the tiles out in this order; the cap list, to which resetTray()
    // returns, stays as it is. Undo and typed entry use it.
    void showOrder(const QVector<int> &order);
    // The cap numbers as they lie now, left to right.
    QVector<int> order() const;
    // Gives the keyboard focus to the cap on this row (the nearest row that exists).
    void focusCap(int row);
    int focusedRow() const;
    void removeSelectedIcons();
    void resizeTiles(int width);

    // The tile on the given row of the list as it lies now; null for a row out of range.
    ScoreWidget *tileAt(int row) const;
    int count() const;

signals:
    // Declared with a result like the rest of the page's signals; nobody reads it.
    bool hasChanges();
    bool itemBeingDragged();
    bool clearIcons();
    // Up or Down in the tray: -1 asks for the tray above, +1 for the one below.
    void neighbourRequested(int direction);

public slots:
    void listDragOccurred();
    void itemDragging();
    void clearIconsSlot();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void removeAllItems();
    void dropAllIcons();
    void buildTiles(const QVector<int> &order);

    std::unique_ptr<Ui::HueSwatchLineWidget> ui;
    QVector<int> caps;
    // Guarded: the list deletes an item's widget itself when the item goes away.
    QList<QPointer<ScoreWidget>> tiles;
    QMap<int, QListWidgetItem *> itemMap;
    QAbstractItemModel *model = nullptr;
    int windowWidth = 0; // as last given to resizeTiles()
};
