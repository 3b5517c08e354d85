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
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <cmath>

namespace {

constexpr int IdentityColumns = 9; // source ... date

// A square root for JSON: null where there is none (a negative score).
QJsonValue rootValue(int value)
{
    const double root = Scoring::sqrtTes(value);
    return std::isnan(root) ? QJsonValue() : QJsonValue(root);
}

class Scorer
{
public:
    explicit Scorer(bool asJson) : json(asJson) {}

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
        const std::optional<Scoring::TestScores> scores = Scoring::score(arrangement);
        if (!scores) {
            CommandLine::error(
                item.location() + QLatin1String(": ") +
                (CapOrder::isComplete(arrangement)
                     ? ScoreCommand::tr("the cap order holds numbers that are no caps")
                     : ScoreCommand::tr("the cap order holds %n number(s); 85 are needed", nullptr,
                                        arrangement.size())));
            return false;
        }
        write(item, *scores, Vingrys::analyse(arrangement));
        return true;
    }

private:
    void write(const ArrangementInput::Item &item, const Scoring::TestScores &s,
               const std::optional<Vingrys::Result> &v)
    {
        const databaseEntry &e = item.entry;
        const bool file = item.kind != ArrangementInput::Stored;
        const bool record = item.kind != ArrangementInput::Text;
        const Scoring::PartialErrorScores partial = *Scoring::partialErrorScores(s.capScores);
        const QVector<int> trays = Scoring::trayErrorScores(s.positionScores);
        const QStringList keys = ScoreCommand::columns();
        QList<QJsonValue> values;
        values.reserve(keys.size());
        values << (file ? QJsonValue(item.source) : QJsonValue())
               << (file ? QJsonValue(item.line) : QJsonValue())
               << (file ? QJsonValue() : QJsonValue(e.testID.toLongLong()));
        for (const QString *field : {&e.first, &e.middle, &e.last, &e.refNum, &e.DOB, &e.testDate})
            values << (record ? QJsonValue(*field) : QJsonValue());
        values << s.tes << rootValue(s.tes) << Scoring::classificationText(s.tes)
               << Scoring::unselectedPercentile(s.tes) << Scoring::inPlantPercentile(s.tes)
               << Scoring::experiencedPercentile(s.tes);
        if (v)
            values << v->angle << v->cIndex << v->sIndex << v->diagnosisText();
        else
            values << QJsonValue() << QJsonValue() << QJsonValue() << QJsonValue();
        for (int t : trays)
            values << t;
        values << partial.redGreen << rootValue(partial.redGreen) << partial.blueYellow
               << rootValue(partial.blueYellow);

        QTextStream &out = CommandLine::out();
        if (json) {
            QJsonObject object;
            for (int i = 0; i < keys.size(); ++i) {
                // Fields the input does not have are left out rather than empty.
                if (i < IdentityColumns && values.at(i).isNull())
                    continue;
                object.insert(keys.at(i), values.at(i));
            }
            out << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
            return;
        }
        // The header comes with the first row, so a wrong command line prints none.
        if (!headerWritten)
            out << ScoreCommand::columns().join(QLatin1Char(',')) << '\n';
        headerWritten = true;
        for (int i = 0; i < values.size(); ++i) {
            if (i > 0)
                out << ',';
            out << CsvFormat::field(text(values.at(i)));
        }
        out << '\n';
    }

    // Numbers as the analysis page shows them: six significant digits.
    static QString text(const QJsonValue &value)
    {
        if (value.isString())
            return value.toString();
        if (value.isDouble())
            return QString::number(value.toDouble(), 'g', 6);
        return QString();
    }

    bool json;
    bool headerWritten = false;
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
