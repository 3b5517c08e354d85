#include "analysisdisplay.h"
#include "ui_analysisdisplay.h"

#include "chartgeometry.h"

#include <QFontMetrics>
#include <QGraphicsScene>
#include <QGraphicsTextItem>

using namespace ChartGeometry;

namespace {

QGraphicsTextItem *whiteText(const QString &text, int pointSize)
{
    auto *item = new QGraphicsTextItem(text);
    QFont font = item->font();
    font.setPointSize(pointSize);
    item->setFont(font);
    item->setDefaultTextColor(Qt::white);
    return item;
}

QSize textSize(const QGraphicsTextItem *item)
{
    const QFontMetrics metrics(item->font());
    return QSize(metrics.horizontalAdvance(item->toPlainText()), metrics.height());
}

} // namespace

analysisDisplay::analysisDisplay(QWidget *parent) : QWidget(parent), ui(new Ui::analysisDisplay)
{
    ui->setupUi(this);
    m_scene = new QGraphicsScene(this);
    m_scene->setSceneRect(0, 0, badgeSceneSide(width()), badgeSceneSide(height()));
    ui->graphicsView->setScene(m_scene);

    const double S = m_scene->sceneRect().width();
    const QColor disc = discColour();
    m_scene->addEllipse(0.03 * S, 0.03 * S, 0.75 * S, 0.75 * S, QPen(disc), QBrush(disc));
    setDiscrimination(QString(), QString());
    fitScene();
}

analysisDisplay::~analysisDisplay() = default;

void analysisDisplay::setDiscrimination(const QString &word, const QString &score)
{
    m_scene->clear();
    m_word = word;
    const double S = m_scene->sceneRect().width();
    const QColor disc = discColour();
    m_scene->addEllipse(0.05 * S, 0.05 * S, 0.9 * S, 0.9 * S, QPen(disc), QBrush(disc));

    m_wordItem = whiteText(word, 10);
    QSize size = textSize(m_wordItem);
    m_wordItem->setPos(badgeWordTopLeft(S, size.width(), size.height()));

    m_captionItem = whiteText(tr("Discrimination:"), 4);
    size = textSize(m_captionItem);
    m_captionItem->setPos(badgeCaptionTopLeft(S, size.width(), size.height()));

    m_scoreItem = whiteText(score, 4);
    size = textSize(m_scoreItem);
    m_scoreItem->setPos(badgeScoreTopLeft(S, size.width(), size.height()));

    m_scene->addItem(m_wordItem);
    m_scene->addItem(m_captionItem);
    m_scene->addItem(m_scoreItem);
    ui->graphicsView->setScene(m_scene);
    fitScene();
}

void analysisDisplay::resizeContents(int width, int height)
{
    ui->graphicsView->setFixedSize(qMax(0, width), qMax(0, height));
    fitScene();
}

void analysisDisplay::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Fitting while hidden uses a viewport that has not been resized yet.
    fitScene();
}

void analysisDisplay::fitScene()
{
    ui->graphicsView->fitInView(m_scene->sceneRect(), Qt::KeepAspectRatio);
}
