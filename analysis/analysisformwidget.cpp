#include "analysisformwidget.h"
#include "ui_analysisformwidget.h"

#include "analysisdisplay.h"
#include "caporder.h"
#include "chartgraphicsview.h"
#include "scoring.h"

#include <QButtonGroup>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {
// The chart area's bounds until the window first tells the page its size.
constexpr int StackMinimum = 200;
constexpr int StackMaximum = 250;
// The narrowest badge the page lays itself out for when the window is made smaller.
constexpr int BadgeMinimum = 100;
} // namespace

AnalysisFormWidget::AnalysisFormWidget(QWidget *parent)
    : QWidget(parent), ui(new Ui::AnalysisFormWidget)
{
    ui->setupUi(this);
    ui->TESDisplay->setText(tr("Total Error Score (TES): "));
    ui->classificationDisplay->setText(tr("Classification: "));
    ui->graphStack->setMinimumSize(StackMinimum, StackMinimum);
    ui->graphStack->setMaximumSize(StackMaximum, StackMaximum);

    m_styleGroup = new QButtonGroup(this);
    m_styleGroup->addButton(ui->polarCheckbox);
    m_styleGroup->addButton(ui->linearCheckbox);
    m_scaleGroup = new QButtonGroup(this);
    m_scaleGroup->addButton(ui->manualCheckbox);
    m_scaleGroup->addButton(ui->autoCheckbox);

    // Prepared before they join the stack: the scenes take the views' initial size.
    m_polarView = new chartGraphicsView(this);
    m_polarView->preparePolar();
    m_linearView = new chartGraphicsView(this);
    m_linearView->prepareLinear();
    ui->graphStack->addWidget(m_polarView);
    ui->graphStack->addWidget(m_linearView);
    ui->graphStack->setCurrentWidget(m_polarView);

    ui->polarCheckbox->setChecked(true);
    ui->autoCheckbox->setChecked(true);

    connect(ui->polarCheckbox, &QRadioButton::toggled, this,
            &AnalysisFormWidget::graphSelectionChanged);
    connect(ui->confusionAxisCheckbox, &QCheckBox::stateChanged, this,
            &AnalysisFormWidget::confusionAxisChanged);
    connect(ui->scaleValue, &QLineEdit::textChanged, this, &AnalysisFormWidget::scaleValueChanged);
    connect(ui->manualCheckbox, &QRadioButton::toggled, this,
            &AnalysisFormWidget::scaleModeChanged);
    connect(ui->filterCheckbox, &QCheckBox::stateChanged, this, &AnalysisFormWidget::filterChecked);
    connect(ui->averageCheckbox, &QCheckBox::stateChanged, this,
            &AnalysisFormWidget::averageChecked);

    ui->scaleValue->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9_]{1,3}")), ui->scaleValue));
    ui->analysisInfoBox->setReadOnly(true);
}

AnalysisFormWidget::~AnalysisFormWidget() = default;

analysisDisplay *AnalysisFormWidget::discriminationDisplay() const
{
    return ui->widget;
}

void AnalysisFormWidget::setCurrentTest(const databaseEntry &entry)
{
    m_further.clear();
    m_text.setEntry(entry);
    fullRecompute();
}

void AnalysisFormWidget::setOtherTests(const QList<databaseEntry> &entries)
{
    if (entries.isEmpty())
        return;
    m_further.clear();
    m_further.reserve(entries.size());
    for (const databaseEntry &e : entries)
        m_further.append(CapOrder::read(e.scores));
    m_text.setFurther(m_further);
    fullRecompute();
}

void AnalysisFormWidget::setScoreMode(bool kinnear)
{
    m_kinnear = kinnear;
    fullRecompute();
}

void AnalysisFormWidget::setAnalysisSwitches(const QList<bool> &switches)
{
    m_text.setSwitches(switches);
    if (m_text.isLoaded())
        rebuildText();
}

void AnalysisFormWidget::setGraphStyle(const QString &style)
{
    if (style == QLatin1String("polar"))
        ui->polarCheckbox->setChecked(true);
    else
        ui->linearCheckbox->setChecked(true);
}

void AnalysisFormWidget::retranslate()
{
    ui->retranslateUi(this);
    ui->TESDisplay->setText(tr("Total Error Score (TES): "));
    ui->widget->setDiscrimination(QString(), QStringLiteral("0"));
    ui->classificationDisplay->setText(tr("Classification: "));
    fullRecompute();
}

void AnalysisFormWidget::resizeCharts(int width, int height)
{
    const int half = qMax(0, int(width * 0.5));
    const int base = qMax(0, height < half ? height : half);
    const int stackSide = int(base * 0.9);
    ui->graphStack->setFixedSize(stackSide, stackSide);
    const int chartSide = int(base * 0.85);
    m_polarView->setSceneSize(chartSide);
    m_linearView->setSceneSize(chartSide);
    ui->widget->setFixedWidth(int(half * 0.4));
    ui->widget->resizeContents(ui->widget->width(), ui->widget->height());
}

QSize AnalysisFormWidget::minimumSizeHint() const
{
    // The charts and the badge take their size from the window (resizeCharts()), so
    // the page's own layout minimum grows with the window. What the page needs is what
    // it needs with the smallest of them: otherwise a window once enlarged could never
    // be made smaller again.
    const QSize laidOut = QWidget::minimumSizeHint();
    const int stackExcess = qMax(0, ui->graphStack->minimumWidth() - StackMinimum);
    const int badgeExcess = qMax(0, ui->widget->minimumWidth() - BadgeMinimum);
    const QMargins margins = ui->pageLayout->contentsMargins();
    const int height = qMax(StackMinimum, ui->infoLayout->minimumSize().height()) + margins.top() +
                       margins.bottom();
    return {qMax(0, laidOut.width() - stackExcess - badgeExcess), qMin(laidOut.height(), height)};
}

QGraphicsScene *AnalysisFormWidget::polarScene() const
{
    return m_polarView->scene();
}

QGraphicsScene *AnalysisFormWidget::linearScene() const
{
    return m_linearView->scene();
}

bool AnalysisFormWidget::isPolarSelected() const
{
    return ui->polarCheckbox->isChecked();
}

int AnalysisFormWidget::numberOfSteps() const
{
    const QString text = ui->scaleValue->text();
    if (!ui->manualCheckbox->isChecked() || text.isEmpty())
        return chartGraphicsView::AutomaticSteps;
    // "_" passes the validator but is no number: it gives 0 steps.
    return text.toInt(nullptr, 10);
}

void AnalysisFormWidget::fullRecompute()
{
    // Before the first test there is nothing to show or to clear.
    if (!m_text.isLoaded())
        return;
    m_selection = ScoredSelection::build(m_text.arrangement(), m_further);
    rebuildText();
    if (!m_selection) {
        // Nothing of the previous test may stay beside this one's particulars.
        clearFigures();
        return;
    }
    refreshCharts();
}

void AnalysisFormWidget::clearFigures()
{
    ui->TESDisplay->setText(tr("Total Error Score (TES): "));
    ui->classificationDisplay->setText(tr("Classification: "));
    ui->widget->setDiscrimination(QString(), QString());
    m_polarView->clearData();
    m_linearView->clearData();
}

void AnalysisFormWidget::rebuildText()
{
    m_text.setAverage(ui->averageCheckbox->isChecked());
    ui->analysisInfoBox->setPlainText(m_text.analysisText());
    updateLabels();
}

void AnalysisFormWidget::updateLabels()
{
    const AnalysisText::Figures &figures = m_text.figures();
    const std::optional<int> tes =
        ui->averageCheckbox->isChecked() ? figures.averagedTes : figures.tes;
    if (!tes)
        return;
    const QString number = QString::number(*tes);
    ui->TESDisplay->setText(tr("Total Error Score (TES): ") + number);
    ui->classificationDisplay->setText(tr("Classification: ") + Scoring::classificationText(*tes));
    ui->widget->setDiscrimination(Scoring::classificationWord(*tes), number);
}

bool AnalysisFormWidget::refreshCharts()
{
    if (!m_selection || !Scoring::isScorable(m_text.arrangement()))
        return false;
    const int steps = numberOfSteps();
    const bool filter = ui->filterCheckbox->isChecked();
    const bool average = ui->averageCheckbox->isChecked();
    const QVector<double> current = average ? m_selection->averagedCurve(m_kinnear, filter)
                                            : m_selection->currentCurve(m_kinnear, filter);
    const QVector<QVector<double>> further =
        average ? QVector<QVector<double>>() : m_selection->furtherCurves(m_kinnear, filter);
    for (chartGraphicsView *view : {m_polarView, m_linearView}) {
        // The current test first, so that it keeps the first colour.
        view->setData(current, steps);
        if (!further.isEmpty())
            view->addData(further, steps);
    }
    if (ui->confusionAxisCheckbox->isChecked())
        showConfusionAxes();
    return true;
}

void AnalysisFormWidget::showConfusionAxes()
{
    // Drawing twice would stack a second set of axes on the first.
    const QList<QGraphicsItem *> items = m_polarView->scene()->items();
    for (const QGraphicsItem *item : items) {
        if (item->data(chartGraphicsView::ItemKindKey).toInt() == chartGraphicsView::ConfusionAxis)
            return;
    }
    m_polarView->drawConfusionAxes();
}

void AnalysisFormWidget::graphSelectionChanged()
{
    fullRecompute();
    if (ui->polarCheckbox->isChecked()) {
        ui->graphStack->setCurrentWidget(m_polarView);
        if (ui->confusionAxisCheckbox->isChecked())
            showConfusionAxes();
    } else {
        ui->graphStack->setCurrentWidget(m_linearView);
    }
    resizeCharts(width(), height());
}

void AnalysisFormWidget::confusionAxisChanged()
{
    if (ui->confusionAxisCheckbox->isChecked())
        showConfusionAxes();
    else
        m_polarView->redraw();
}

void AnalysisFormWidget::scaleValueChanged()
{
    refreshCharts();
    if (ui->filterCheckbox->isChecked())
        filterChecked();
}

void AnalysisFormWidget::scaleModeChanged()
{
    scaleValueChanged();
}

void AnalysisFormWidget::filterChecked()
{
    refreshCharts();
}

void AnalysisFormWidget::averageChecked()
{
    if (m_text.isLoaded())
        rebuildText();
    refreshCharts();
}
