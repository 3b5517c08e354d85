#include "checkcommand.h"

#include "arrangementinput.h"
#include "commandline.h"
#include "progressline.h"
#include "testchooser.h"

#include <QCommandLineParser>

QString CheckCommand::verdict(const CapEntryCheck &check)
{
    if (check.isComplete())
        return tr("ok");
    QStringList trays;
    for (int t = 0; t < TrayCheck::Trays; ++t) {
        const TrayCheck &tray = check.tray(t);
        if (!tray.isComplete())
            trays.append(tr("tray %1: %2").arg(t + 1).arg(tray.problemText()));
    }
    return trays.join(QLatin1String("; "));
}

int CheckCommand::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    TestChooser chooser;
    chooser.addOptions(parser);
    ArrangementInput::addFileArgument(parser);
    int status = CommandLine::Ok;
    if (!CommandLine::parse(parser, arguments,
                            tr("Checks arrangements: names the caps missing, typed twice, in "
                               "another tray, or that are no cap; exit status 1 if any."),
                            &status))
        return status;

    QTextStream &out = CommandLine::out();
    ProgressLine progress(tr("checked"));
    int done = 0;
    const auto checkItem = [&](const ArrangementInput::Item &item) {
        const QString result = item.problem.isEmpty()
                                   ? verdict(CapEntryCheck::check(item.entry.scores))
                                   : item.problem;
        if (result != tr("ok"))
            status = CommandLine::worse(status, CommandLine::InputProblems);
        out << item.location() << QLatin1String(": ") << result << '\n';
        progress.show(++done);
    };

    return CommandLine::worse(status, ArrangementInput::readInputs(parser, chooser, checkItem));
}
