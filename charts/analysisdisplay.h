#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <memory>

class QGraphicsScene;
class QGraphicsTextItem;

namespace Ui {
class analysisDisplay;
}

// The round badge of the analysis page: the discrimination class in large type,
// the caption "Discrimination:" and the Total Error Score, white on a blue disc.
class analysisDisplay : public QWidget
{
    Q_OBJECT

public:
    explicit analysisDisplay(QWidget *parent = nullptr);
    ~analysisDisplay() override;

    void setDiscrimination(const QString &word, const QString &score);
    void resizeContents(int width, int height);

    QGraphicsScene *scene() const { return m_scene; }
    QString word() const { return m_word; }
    // The three texts as last drawn; they are replaced by every setDiscrimination().
    QGraphicsTextItem *wordItem() const { return m_wordItem; }
    QGraphicsTextItem *captionItem() const { return m_captionItem; }
    QGraphicsTextItem *scoreItem() const { return m_scoreItem; }

    static QColor discColour() { return QColor(20, 138, 212, 255); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fitScene();

    std::unique_ptr<Ui::analysisDisplay> ui;
    QGraphicsScene *m_scene = nullptr;
    QString m_word;
    QGraphicsTextItem *m_wordItem = nullptr;
    QGraphicsTextItem *m_captionItem = nullptr;
    QGraphicsTextItem *m_scoreItem = nullptr;
};
