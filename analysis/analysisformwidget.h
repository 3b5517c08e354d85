#pragma once

#include "analysistext.h"
#include "databaseentry.h"
#include "scoredselection.h"

#include <QList>
#include <QString>
#include <QVector>
#include <QWidget>
#include <memory>
#include <optional>

class QButtonGroup;
class QGraphicsScene;
class analysisDisplay;
class chartGraphicsView;

namespace Ui {
class AnalysisFormWidget;
}

// The analysis page: the error scores of the current test (and of further tests
// chosen with it) on the polar or the linear chart, the information text, the TES
// and class labels, the discrimination badge and the chart options. The main
// window hands it the tests and settings and asks it for the report texts.
class AnalysisFormWidget : public QWidget
{
    Q_OBJECT

public:
    explicit AnalysisFormWidget(QWidget *parent = nullptr);
    ~AnalysisFormWidget() override;

    // A new selection with this test alone; scored and analysed at once.
    void setCurrentTest(const databaseEntry &entry);
    // The rest of a selection, after setCurrentTest(); an empty list changes nothing.
    void setOtherTests(const QList<databaseEntry> &entries);
    // Kinnear plots by position, Standard by cap number.
    void setScoreMode(bool kinnear);
    // The 16 display switches, report ones first (SettingsRecord::analysisSwitches()).
    void setAnalysisSwitches(const QList<bool> &switches);
    // Only the exact text "polar" chooses the polar chart.
    void setGraphStyle(const QString &style);
    void retranslate();
    // Fits charts and badge to a window of this size.
    void resizeCharts(int width, int height);

    QSize minimumSizeHint() const override;
    QGraphicsScene *polarScene() const;
    QGraphicsScene *linearScene() const;
    bool isPolarSelected() const;

    // The texts of the analysis; all empty before the first current test.
    QString analysisText() const { return m_text.analysisText(); }
    QString reportTextPart1() const { return m_text.reportTextPart1(); }
    QString reportTextPart2() const { return m_text.reportTextPart2(); }
    QString reportTextPart2WithComment(const QList<CapSet> &capSets, const QString &comment) const
    {
        return m_text.reportTextPart2WithComment(capSets, comment);
    }
    // The current test's comment as the report prints it.
    QString reportComment() const
    {
        return m_text.isLoaded() ? m_text.entry().comments : QString();
    }
    QString nameAndAnalysisText() const { return m_text.nameAndAnalysisText(); }

    bool isLoaded() const { return m_text.isLoaded(); }
    bool isKinnear() const { return m_kinnear; }
    // -1 scales the charts from the data.
    int numberOfSteps() const;
    chartGraphicsView *polarView() const { return m_polarView; }
    chartGraphicsView *linearView() const { return m_linearView; }
    analysisDisplay *discriminationDisplay() const;

public slots:
    void graphSelectionChanged();
    void confusionAxisChanged();
    void scaleValueChanged();
    void scaleModeChanged();
    void filterChecked();
    void averageChecked();

private:
    void fullRecompute();
    // Blank labels and badge, empty charts: the current test cannot be scored.
    void clearFigures();
    void rebuildText();
    void updateLabels();
    bool refreshCharts();
    void showConfusionAxes();

    std::unique_ptr<Ui::AnalysisFormWidget> ui;
    chartGraphicsView *m_polarView = nullptr;
    chartGraphicsView *m_linearView = nullptr;
    QButtonGroup *m_styleGroup = nullptr;
    QButtonGroup *m_scaleGroup = nullptr;

    AnalysisText m_text;
    QVector<QVector<int>> m_further;
    // Scores of the last selection whose current arrangement could be scored; a
    // record without a full arrangement leaves them, and the charts, as they were.
    std::optional<ScoredSelection> m_selection;
    bool m_kinnear = false;
};
