#pragma once

#include <QIcon>
#include <QSize>
#include <QWidget>
#include <memory>

namespace Ui {
class ScoreWidget;
}

// One cap inside a tray: its error score (when shown), its swatch and its number.
class ScoreWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ScoreWidget(QWidget *parent = nullptr);
    ~ScoreWidget() override;

    void setNumber(int n);
    int capNumber() const { return number; }

    void setSwatch(const QIcon &icon, const QSize &size);
    void resizeSwatch(const QSize &size);

    void setScore(const QString &text);

    // Height of the score row and the number under the swatch: what the tile needs
    // besides its swatch to show both whole.
    int labelsHeight() const;

    // The whole tile as it looks now; the tray uses it as the drag image.
    QIcon grabIcon();

private:
    std::unique_ptr<Ui::ScoreWidget> ui;
    int number = 0;
    QIcon swatch;
};
