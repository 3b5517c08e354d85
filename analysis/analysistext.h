#pragma once

#include "databaseentry.h"
#include "settingsrecord.h"
#include "vingrys.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>
#include <QVector>
#include <array>
#include <optional>

// The words of an analysed selection: the information text of the analysis page,
// the two texts of the printed report and the name-and-analysis text of the
// clipboard. Widget-free, so the report and tests get exactly the page's words.
//
// Before a record is set every text is empty: there is nothing to report, and a
// page printed or copied in that state must not show labels without a subject.
// A record whose arrangement cannot be scored still gets its subject lines; its
// result lines keep their labels with empty values rather than another test's
// figures.
class AnalysisText
{
    Q_DECLARE_TR_FUNCTIONS(AnalysisFormWidget)

public:
    // The 16 display switches: the report ones, then the screen ones.
    enum Switch
    {
        TestReport,
        TesReport,
        SqrtTesReport,
        VingrysReport,
        ClassReport,
        PercentFirstReport,
        PercentSomeReport,
        PercentExpReport,
        TestGui,
        TesGui,
        SqrtTesGui,
        VingrysGui,
        ClassGui,
        PercentFirstGui,
        PercentSomeGui,
        PercentExpGui,
        SwitchCount
    };

    // The figures the texts show; each is absent when it could not be computed.
    struct Figures
    {
        std::optional<int> tes;
        std::optional<int> averagedTes;
        std::optional<Vingrys::Result> vingrys;
    };

    // The current test replaces the selection (no further tests); its figures
    // are computed at once.
    void setEntry(const databaseEntry &entry);
    // Further arrangements change only the averaged TES.
    void setFurther(const QVector<QVector<int>> &arrangements);
    // Missing entries of a short list count as off.
    void setSwitches(const QList<bool> &switches);
    void setAverage(bool average) { m_average = average; }

    bool isLoaded() const { return m_loaded; }
    const databaseEntry &entry() const { return m_entry; }
    const QVector<int> &arrangement() const { return m_arrangement; }
    const Figures &figures() const { return m_figures; }
    bool isOn(Switch s) const { return m_switches.value(s, false); }

    // The page's information text: the plain form, or the Average form when
    // "Average" is ticked.
    QString analysisText() const;
    QString reportTextPart1() const;
    // With the cap-set register of the store, or with the given register.
    QString reportTextPart2() const;
    QString reportTextPart2(const QList<CapSet> &capSets) const;
    // The same with another comment text (the report shortens a long comment).
    QString reportTextPart2WithComment(const QList<CapSet> &capSets, const QString &comment) const;
    QString nameAndAnalysisText() const;

    // Whether the test was made with a cap set bought within two years of `today`,
    // as the closing sentence of the report says it (with its blank line).
    static QString certification(const QString &serialNum, const QList<CapSet> &capSets,
                                 const QDate &today);
    // The arrangement as the report prints it: 13 numbers to a line.
    static QString capList(const QVector<int> &arrangement);

private:
    QString subjectLine() const;
    QString averagedText() const;
    // The percentile lines of the populations switched on, under their heading; nothing
    // when all three are off. The first population's label differs between the texts.
    QString percentileBlock(const std::optional<int> &tes, const QString &unselected,
                            const std::array<Switch, 3> &populations) const;
    QString vingrysBlock(bool screenForm) const;

    databaseEntry m_entry;
    QVector<int> m_arrangement;
    QVector<QVector<int>> m_further;
    Figures m_figures;
    QList<bool> m_switches;
    bool m_average = false;
    bool m_loaded = false;
};
