#include "analysistext.h"

#include "caporder.h"
#include "clock.h"
#include "database.h"
#include "scoredselection.h"
#include "scoring.h"

#include <QRegularExpression>

namespace {

const QString NL = QStringLiteral("\n");
const QString Blank = QStringLiteral("\n\n");

QString number(const std::optional<int> &value)
{
    return value ? QString::number(*value) : QString();
}
QString sqrtText(const std::optional<int> &tes)
{
    return tes ? Scoring::sqrtTesText(*tes) : QString();
}
QString classText(const std::optional<int> &tes)
{
    return tes ? Scoring::classificationText(*tes) : QString();
}
QString percentile(Scoring::Population population, const std::optional<int> &tes)
{
    return tes ? Scoring::percentileText(population, *tes) : QString();
}

// The report breaks the cap list after every 13th number.
constexpr int CapsPerLine = 13;
// The report prints the cap list only for an arrangement longer than this.
constexpr int ShortestPrintedList = 80;
// A cap set more than this many years old no longer certifies a result.
constexpr int CertifiedYears = 2;

// "2010-03-04T00:00:00Z" as property lists write dates (the time part may be missing).
bool isPropertyListDate(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}(T\\d{2}:\\d{2}:\\d{2}Z)?$"));
    return form.match(text.trimmed()).hasMatch();
}

} // namespace

void AnalysisText::setEntry(const databaseEntry &entry)
{
    m_entry = entry;
    m_loaded = true;
    m_arrangement = CapOrder::read(entry.scores);
    m_further.clear();
    m_figures = Figures();
    m_figures.tes = Scoring::totalErrorScore(m_arrangement);
    m_figures.averagedTes = m_figures.tes;
    m_figures.vingrys = Vingrys::analyse(m_arrangement);
}

void AnalysisText::setFurther(const QVector<QVector<int>> &arrangements)
{
    m_further = arrangements;
    m_figures.averagedTes = ScoredSelection::averagedTes(m_arrangement, m_further);
}

void AnalysisText::setSwitches(const QList<bool> &switches)
{
    m_switches = switches.mid(0, SwitchCount);
}

QString AnalysisText::subjectLine() const
{
    return tr("Subject: ") % m_entry.first % QLatin1Char(' ') % m_entry.middle % QLatin1Char(' ') %
           m_entry.last % NL;
}

QString AnalysisText::vingrysBlock(bool screenForm) const
{
    const std::optional<Vingrys::Result> &v = m_figures.vingrys;
    QString angle;
    QString cIndex;
    QString sIndex;
    QString diagnosis;
    if (v) {
        angle = screenForm ? v->angleScreenText() : v->angleReportText();
        cIndex = screenForm ? v->cIndexScreenText() : v->cIndexReportText();
        sIndex = screenForm ? v->sIndexScreenText() : v->sIndexReportText();
        diagnosis = v->diagnosisText();
    }
    // The diagnosis label stays English in every language.
    return NL % tr("Vingrys Analysis") % NL % tr("Angle: ") % angle % NL % tr("C-Index: ") %
           cIndex % NL % tr("S-Index: ") % sIndex % NL % QStringLiteral("Suggested Diagnosis: ") %
           diagnosis % NL;
}

QString AnalysisText::analysisText() const
{
    if (!m_loaded)
        return QString();
    if (m_average)
        return averagedText();

    const std::optional<int> &tes = m_figures.tes;
    QString text = subjectLine();
    text += tr("Reference: ") % m_entry.refNum % NL;
    text += tr("Date of Birth: ") % m_entry.DOB % NL;
    text += tr("Date of Test: ") % m_entry.testDate % NL;
    text += tr("Comments: ") % m_entry.comments % NL;
    if (isOn(TestGui))
        text += tr("Test Duration: ") % m_entry.time % NL;
    if (isOn(TesGui))
        text += tr("Total Error Score (TES): ") % number(tes) % NL;
    if (isOn(SqrtTesGui))
        text += tr("Sqrt Total Error Score (TES): ") % sqrtText(tes) % NL;
    if (isOn(ClassGui))
        text += tr("Classification: ") % classText(tes) % NL;
    text +=
        percentileBlock(tes, tr("Unselected: "), {PercentFirstGui, PercentSomeGui, PercentExpGui});
    if (isOn(VingrysGui))
        text += vingrysBlock(true);
    return text;
}

QString AnalysisText::averagedText() const
{
    const std::optional<int> &tes = m_figures.averagedTes;
    QString text = tr("Subject: Averaged Results") % NL;
    if (isOn(TesGui))
        text += tr("Total Error Score (totalScores): ") % number(tes) % NL;
    if (isOn(SqrtTesGui))
        text += tr("Sqrt Total Error Score (TES): ") % sqrtText(tes) % NL;
    if (isOn(ClassGui))
        text += tr("Classification: ") % classText(tes) % NL;
    return text + percentileBlock(tes, tr("Unselected "),
                                  {PercentFirstGui, PercentSomeGui, PercentExpGui});
}

QString AnalysisText::percentileBlock(const std::optional<int> &tes, const QString &unselected,
                                      const std::array<Switch, 3> &populations) const
{
    const bool first = isOn(populations[0]);
    const bool some = isOn(populations[1]);
    const bool experienced = isOn(populations[2]);
    if (!first && !some && !experienced)
        return QString();
    QString text = NL % tr("Percentile") % NL;
    if (first)
        text += unselected % percentile(Scoring::Population::Unselected, tes) % NL;
    if (some)
        text += tr("In Plant: ") % percentile(Scoring::Population::InPlant, tes) % NL;
    if (experienced)
        text += tr("Experienced: ") % percentile(Scoring::Population::Experienced, tes) % NL;
    return text;
}

QString AnalysisText::reportTextPart1() const
{
    if (!m_loaded)
        return QString();

    const std::optional<int> &tes = m_figures.tes;
    QString text;
    if (isOn(TesReport))
        text += tr("Total Error Score (TES): ") % number(tes) % NL;
    if (isOn(ClassReport))
        text += tr("Classification: ") % classText(tes) % Blank;
    text += subjectLine();
    text += tr("Reference: ") % m_entry.refNum % NL;
    text += tr("Date of Birth: ") % m_entry.DOB % NL;
    text += tr("Date of Test: ") % m_entry.testDate % NL;
    if (isOn(TestReport))
        text += tr("Test Duration: ") % m_entry.time % tr(" (mins)") % NL;
    text += tr("Gender: ") % m_entry.gender % NL;
    text += tr("Geographic Location: ") % m_entry.location % NL;
    text += tr("Industry Type: ") % m_entry.industry % NL;
    text += tr("Primary Job Function: ") % m_entry.job % NL;
    text += tr("Years of Experience: ") % m_entry.experience % NL;
    text += tr("Illumination Type: ") % m_entry.illumination % NL;
    if (isOn(VingrysReport))
        text += vingrysBlock(false);
    return text;
}

QString AnalysisText::reportTextPart2() const
{
    if (!m_loaded)
        return QString();
    return reportTextPart2(database::instance()->getSerialNums());
}

QString AnalysisText::reportTextPart2(const QList<CapSet> &capSets) const
{
    return reportTextPart2WithComment(capSets, m_entry.comments);
}

QString AnalysisText::reportTextPart2WithComment(const QList<CapSet> &capSets,
                                                 const QString &comment) const
{
    if (!m_loaded)
        return QString();

    QString text;
    if (isOn(SqrtTesReport))
        text += tr("Square Root Total Error Score: ") % sqrtText(m_figures.tes) % NL;
    text += tr("Test Serial Number: ") % m_entry.serialNum % Blank;
    text += tr("Cap Order: ") % capList(m_arrangement) % Blank;
    text += certification(m_entry.serialNum, capSets, Clock::today());
    text += tr("Comments: ") % comment % NL;
    // Starts with its own blank line, so the comments line above needs no second break.
    text += percentileBlock(m_figures.tes, tr("Unselected: "),
                            {PercentFirstReport, PercentSomeReport, PercentExpReport});
    return text;
}

QString AnalysisText::nameAndAnalysisText() const
{
    if (!m_loaded)
        return QString();

    const std::optional<int> &tes = m_figures.tes;
    QString text = subjectLine();
    text += tr("Reference: ") % m_entry.refNum % NL;
    text += tr("Date of Birth: ") % m_entry.DOB % NL;
    text += tr("Date of Test: ") % m_entry.testDate % NL;
    if (isOn(TestReport))
        text += tr("Test Duration: ") % m_entry.time % tr(" (mins)") % NL;
    text += tr("Gender: ") % m_entry.gender % NL;
    text += tr("Geographic Location: ") % m_entry.location % NL;
    text += tr("Industry Type: ") % m_entry.industry % NL;
    text += tr("Primary Job Function: ") % m_entry.job % NL;
    text += tr("Years of Experience: ") % m_entry.experience % NL;
    text += tr("Illumination Type: ") % m_entry.illumination;
    if (isOn(TesReport) || isOn(SqrtTesReport) || isOn(ClassReport)) {
        text += Blank;
        if (isOn(TesReport))
            text += tr("Total Error Score (TES): ") % number(tes) % NL;
        if (isOn(SqrtTesReport))
            text += tr("Sqrt Total Error Score (TES): ") % sqrtText(tes) % NL;
        if (isOn(ClassReport))
            text += tr("Classification: ") % classText(tes);
    }
    if (isOn(PercentFirstReport) || isOn(PercentSomeReport) || isOn(PercentExpReport)) {
        // The clipboard text opens the block with a blank line of its own.
        text += Blank % tr("Percentile") % NL;
        if (isOn(PercentFirstReport))
            text += tr("Unselected: ") % percentile(Scoring::Population::Unselected, tes) % NL;
        if (isOn(PercentSomeReport))
            text += tr("In Plant: ") % percentile(Scoring::Population::InPlant, tes) % NL;
        if (isOn(PercentExpReport))
            text += tr("Experienced: ") % percentile(Scoring::Population::Experienced, tes) % NL;
    }
    if (isOn(VingrysReport))
        text += vingrysBlock(false);
    return text;
}

QString AnalysisText::certification(const QString &serialNum, const QList<CapSet> &capSets,
                                    const QDate &today)
{
    if (serialNum.isEmpty())
        return tr("Veskora results not certified (No Serial Number)") % Blank;

    QString certified = tr("Certified.") % Blank;
    for (const CapSet &capSet : capSets) {
        if (capSet.serialNum != serialNum)
            continue;
        // Stored as month/day/year; cap sets imported from VKT files carry a
        // property-list date, judged by its date part.
        const QStringList pieces = capSet.purchaseDate.split(QLatin1Char('/'));
        QDate purchased;
        if (pieces.size() >= 3) {
            purchased = QDate(pieces.at(2).toInt(nullptr, 10), pieces.at(0).toInt(nullptr, 10),
                              pieces.at(1).toInt(nullptr, 10));
        } else if (isPropertyListDate(capSet.purchaseDate)) {
            purchased = QDate::fromString(capSet.purchaseDate.trimmed().left(10), Qt::ISODate);
        } else {
            return certified;
        }
        // A date that does not exist cannot vouch for the cap set.
        if (!purchased.isValid() || purchased < today.addYears(-CertifiedYears))
            return tr("Veskora results not certified (The cap set is more than two years old).") %
                   Blank;
        return certified;
    }
    return certified;
}

QString AnalysisText::capList(const QVector<int> &arrangement)
{
    QString text;
    if (arrangement.size() <= ShortestPrintedList)
        return text;
    // Never more than the 85 positions, and never past the values there are.
    const int count = qMin(arrangement.size(), int(CapOrder::Positions));
    for (int i = 0; i < count; ++i) {
        text += QString::number(arrangement.at(i));
        if (i + 1 < count) {
            text += QStringLiteral(", ");
            if ((i + 1) % CapsPerLine == 0)
                text += NL;
        }
    }
    return text;
}
