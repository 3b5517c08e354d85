#include "scorewidget.h"
#include "ui_scorewidget.h"

ScoreWidget::ScoreWidget(QWidget *parent) : QWidget(parent), ui(new Ui::ScoreWidget)
{
    ui->setupUi(this);
    ui->label->setAlignment(Qt::AlignCenter);
    // Until a score is shown the row takes no room from the swatch.
    ui->score->hide();
}

ScoreWidget::~ScoreWidget() = default;

void ScoreWidget::setNumber(int n)
{
    number = n;
    ui->number->setText(QString::number(n));
}

void ScoreWidget::setSwatch(const QIcon &icon, const QSize &size)
{
    swatch = icon;
    ui->label->setPixmap(swatch.pixmap(size, QIcon::Normal));
}

void ScoreWidget::resizeSwatch(const QSize &size)
{
    ui->label->setPixmap(swatch.pixmap(size, QIcon::Normal));
    ui->label->resize(size);
}

void ScoreWidget::setScore(const QString &text)
{
    // Once scores are on, the row keeps its height so the tiles do not jump: one line
    // of its font, which leaves the swatch and the number their room in a short tray.
    ui->score->setMinimumHeight(ui->score->fontMetrics().height());
    ui->score->show();
    ui->score->setText(text);
    ui->score->setStyleSheet(QStringLiteral("QLabel { color: red; }"));
}

int ScoreWidget::labelsHeight() const
{
    const int score = ui->score->isVisibleTo(this)
                          ? qMax(ui->score->minimumHeight(), ui->score->sizeHint().height())
                          : 0;
    return score + ui->number->sizeHint().height();
}

QIcon ScoreWidget::grabIcon()
{
    QIcon icon;
    icon.addPixmap(grab(rect()), QIcon::Normal);
    return icon;
}
