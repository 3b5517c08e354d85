#include "scorecommand.h"

#include "capentrycheck.h"
#include "caporder.h"
#include "checkcommand.h"
#include "commandline.h"
#include "csvformat.h"
#include "progressline.h"
#include "scoring.h"
#include "testchooser.h"
#include "vingrys.h"

#include <QCommandLineParser>
#include <QHash>
#include <QLocale>
#include <array>
#include <cmath>

namespace {

constexpr int IdentityColumns = 9; // source ... date

// One value of a row, written as a CSV field or a JSON value.
struct Cell
{
    enum Kind
    {
        Absent,
        Text,
        Integer,
        Real
    };
    Kind kind = Absent;
    QString text;
    double value = 0.0;

    static Cell of(const QString &t) { return {Text, t, 0.0}; }
    static Cell of(qint64 n) { return {Integer, QString(), double(n)}; }
    // The square root of a score; absent for a negative one, which has none.
    static Cell root(int score)
    {
        const double r = Scoring::sqrtTes(score);
        return std::isnan(r) ? Cell() : Cell{Real, QString(), r};
    }
    static Cell real(double v) { return {Real, QString(), v}; }
};

void appendJsonString(QString &line, const QString &text)
{
    line += QLatin1Char('"');
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '"' || u == '\\') {
            line += QLatin1Char('\\');
            line += c;
        } else if (u < 0x20) {
            line += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
        } else {
            line += c;
        }
    }
    line += QLatin1Char('"');
}

class Scorer
{
public:
    explicit Scorer(bool asJson) : json(asJson), keys(ScoreCommand::columns())
    {
        for (Vingrys::Diagnosis d : {Vingrys::Diagnosis::Protan, Vingrys::Diagnosis::Duetan,
                                     Vingrys::Diagnosis::Tritan, Vingrys::Diagnosis::Ambiguous})
            diagnoses[size_t(d)] = Vingrys::diagnosisText(d);
    }

    // Writes the row of one arrangement; false when it cannot be scored (reported).
    bool score(const ArrangementInput::Item &item)
    {
        QVector<int> arrangement;
        if (!item.problem.isEmpty()) {
            CommandLine::error(item.location() + QLatin1String(": ") + item.problem);
            return false;
        }
        if (item.kind == ArrangementInput::Text) {
            const CapEntryCheck check = CapEntryCheck::check(item.entry.scores);
            // Every cap once is scored even when not each lies in its own tray, as
            // the order 1, 2, ..., 85 that other programs write; anything else is
            // no arrangement, and `check` names its problems.
            QVector<int> typed;
            int notCaps = 0;
            for (int t = 0; t < TrayCheck::Trays; ++t) {
                typed += check.tray(t).caps();
                notCaps += check.tray(t).notCapCount();
            }
            if (check.isComplete()) {
                arrangement = check.arrangement();
            } else if (notCaps == 0 && typed.size() == CapOrder::Positions &&
                       CapOrder::isFullSet(typed)) {
                arrangement = typed;
            } else {
                CommandLine::error(item.location() + QLatin1String(": ") +
                                   CheckCommand::verdict(check));
                return false;
            }
        } else {
            arrangement = CapOrder::read(item.entry.scores);
        }
        const QVector<int> positions = Scoring::positionScores(arrangement);
        if (positions.isEmpty()) {
            CommandLine::error(
                item.location() + QLatin1String(": ") +
                (CapOrder::isComplete(arrangement)
                     ? ScoreCommand::tr("the cap order holds numbers that are no caps")
                     : ScoreCommand::tr("the cap order holds %n number(s); 85 are needed", nullptr,
                                        arrangement.size())));
            return false;
        }
        write(item, arrangement, positions);
        return true;
    }

private:
    // The translated words of a TES, looked up once per value.
    const std::array<QString, 4> &wordsFor(int tes)
    {
        auto it = words.find(tes);
        if (it == words.end())
            it = words.insert(
                tes, {Scoring::classificationText(tes), Scoring::unselectedPercentile(tes),
                      Scoring::inPlantPercentile(tes), Scoring::experiencedPercentile(tes)});
        return *it;
    }

    void write(const ArrangementInput::Item &item, const QVector<int> &arrangement,
               const QVector<int> &positions)
    {
        const databaseEntry &e = item.entry;
        const bool file = item.kind != ArrangementInput::Stored;
        const bool record = item.kind != ArrangementInput::Text;
        const int tes = *Scoring::totalErrorScore(arrangement);
        const Scoring::PartialErrorScores partial =
            *Scoring::partialErrorScores(Scoring::capScores(arrangement, positions));
        const QVector<int> trays = Scoring::trayErrorScores(positions);
        const std::optional<Vingrys::Result> v = Vingrys::analyse(arrangement);
        const std::array<QString, 4> &w = wordsFor(tes);

        cells.clear();
        cells << (file ? Cell::of(item.source) : Cell()) << (file ? Cell::of(item.line) : Cell())
              << (file ? Cell() : Cell::of(e.testID.toLongLong()));
        for (const QString *field : {&e.first, &e.middle, &e.last, &e.refNum, &e.DOB, &e.testDate})
            cells << (record ? Cell::of(*field) : Cell());
        cells << Cell::of(tes) << Cell::root(tes) << Cell::of(w[0]) << Cell::of(w[1])
              << Cell::of(w[2]) << Cell::of(w[3]);
        if (v)
            cells << Cell::real(v->angle) << Cell::real(v->cIndex) << Cell::real(v->sIndex)
                  << Cell::of(diagnoses[size_t(v->diagnosis)]);
        else
            cells << Cell() << Cell() << Cell() << Cell();
        for (int t : trays)
            cells << Cell::of(t);
        cells << Cell::of(partial.redGreen) << Cell::root(partial.redGreen)
              << Cell::of(partial.blueYellow) << Cell::root(partial.blueYellow);

        line.clear();
        if (json)
            writeJson();
        else
            writeCsv();
        line += QLatin1Char('\n');
        CommandLine::out() << line;
    }

    void writeJson()
    {
        line += QLatin1Char('{');
        bool first = true;
        for (int i = 0; i < cells.size(); ++i) {
            const Cell &c = cells.at(i);
            // Fields the input does not have are left out rather than empty.
            if (c.kind == Cell::Absent && i < IdentityColumns)
                continue;
            if (!first)
                line += QLatin1Char(',');
            first = false;
            appendJsonString(line, keys.at(i));
            line += QLatin1Char(':');
            switch (c.kind) {
            case Cell::Absent:
                line += QLatin1String("null");
                break;
            case Cell::Text:
                appendJsonString(line, c.text);
                break;
            case Cell::Integer:
                line += QString::number(qint64(c.value));
                break;
            case Cell::Real:
                line += QString::number(c.value, 'g', QLocale::FloatingPointShortest);
                break;
            }
        }
        line += QLatin1Char('}');
    }

    // Numbers as the analysis page shows them: six significant digits.
    void writeCsv()
    {
        // The header comes with the first row, so a wrong command line prints none.
        if (!headerWritten)
            line += keys.join(QLatin1Char(',')) + QLatin1Char('\n');
        headerWritten = true;
        for (int i = 0; i < cells.size(); ++i) {
            const Cell &c = cells.at(i);
            if (i > 0)
                line += QLatin1Char(',');
            if (c.kind == Cell::Text)
                line += CsvFormat::field(c.text);
            else if (c.kind == Cell::Integer)
                line += QString::number(qint64(c.value));
            else if (c.kind == Cell::Real)
                line += QString::number(c.value, 'g', 6);
        }
    }

    bool json;
    bool headerWritten = false;
    const QStringList keys;
    std::array<QString, 4> diagnoses;
    QHash<int, std::array<QString, 4>> words;
    QVector<Cell> cells;
    QString line;
};

} // namespace

QStringList ScoreCommand::columns()
{
    return {QStringLiteral("source"),
            QStringLiteral("line"),
            QStringLiteral("testID"),
            QStringLiteral("first"),
            QStringLiteral("middle"),
            QStringLiteral("last"),
            QStringLiteral("reference"),
            QStringLiteral("dob"),
            QStringLiteral("date"),
            QStringLiteral("tes"),
            QStringLiteral("sqrtTes"),
            QStringLiteral("class"),
            QStringLiteral("percentileUnselected"),
            QStringLiteral("percentileInPlant"),
            QStringLiteral("percentileExperienced"),
            QStringLiteral("vingrysAngle"),
            QStringLiteral("cIndex"),
            QStringLiteral("sIndex"),
            QStringLiteral("diagnosis"),
            QStringLiteral("tray1"),
            QStringLiteral("tray2"),
            QStringLiteral("tray3"),
            QStringLiteral("tray4"),
            QStringLiteral("redGreen"),
            QStringLiteral("sqrtRedGreen"),
            QStringLiteral("blueYellow"),
            QStringLiteral("sqrtBlueYellow")};
}

int ScoreCommand::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    TestChooser chooser;
    chooser.addOptions(parser);
    const QCommandLineOption jsonOption(QStringLiteral("json"),
                                        tr("One JSON object a line instead of CSV."));
    parser.addOption(jsonOption);
    ArrangementInput::addFileArgument(parser);
    int status = CommandLine::Ok;
    if (!CommandLine::parse(parser, arguments,
                            tr("Scores arrangements: TES, class, percentiles, Vingrys analysis, "
                               "tray totals and partial error scores."),
                            &status))
        return status;

    Scorer scorer(parser.isSet(jsonOption));
    ProgressLine progress(tr("scored"));
    int done = 0;
    const auto scoreItem = [&](const ArrangementInput::Item &item) {
        if (!scorer.score(item))
            status = CommandLine::worse(status, CommandLine::InputProblems);
        progress.show(++done);
    };

    return CommandLine::worse(status, ArrangementInput::readInputs(parser, chooser, scoreItem));
}
