#include "reportcommand.h"

#include "analysisformwidget.h"
#include "commandline.h"
#include "database.h"
#include "progressline.h"
#include "reportdocument.h"
#include "testchooser.h"

#include <QCommandLineParser>
#include <QDir>
#include <QRegularExpression>

QString ReportCommand::splitFileName(const databaseEntry &test)
{
    QStringList parts{test.testID};
    for (const QString &name : {test.last, test.first}) {
        if (!name.trimmed().isEmpty())
            parts.append(name.trimmed());
    }
    QString name = parts.join(QLatin1Char(' '));
    static const QRegularExpression refused(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    name.replace(refused, QStringLiteral("_"));
    return name.left(120) + QLatin1String(".pdf");
}

int ReportCommand::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    TestChooser chooser;
    chooser.addOptions(parser);
    const QCommandLineOption outputOption(
        QStringList{QStringLiteral("o"), QStringLiteral("output")},
        tr("One PDF file with a page per test."), tr("FILE"));
    const QCommandLineOption splitOption(
        QStringLiteral("split"),
        tr("One PDF file per test in this folder, named by test id and subject."), tr("DIR"));
    parser.addOptions({outputOption, splitOption});
    int status = CommandLine::Ok;
    if (!CommandLine::parse(parser, arguments,
                            tr("Writes the report page of each chosen test, with the database "
                               "file's switches, plotting method and footer."),
                            &status))
        return status;
    QString error;
    const bool toFile = parser.isSet(outputOption) && !parser.value(outputOption).isEmpty();
    const bool split = parser.isSet(splitOption) && !parser.value(splitOption).isEmpty();
    if (!parser.isSet(chooser.dbOption) || (!toFile && !split) ||
        !parser.positionalArguments().isEmpty()) {
        CommandLine::error(tr("report needs --db FILE and -o FILE or --split DIR"));
        return CommandLine::UsageOrFileError;
    }
    QList<databaseEntry> tests;
    status = chooser.openAndChoose(parser, &tests);
    if (tests.isEmpty())
        return CommandLine::worse(status, CommandLine::InputProblems);

    const SettingsRecord settings = database::instance()->getSettings();
    AnalysisFormWidget sheet;
    ReportDocument::prepare(sheet, settings.scoreMode, settings.analysisSwitches());
    const ReportDocument document(&sheet, {settings.footerImgPath, settings.footerText});
    ProgressLine progress(tr("pages"));
    const int total = int(tests.size()) * ((toFile ? 1 : 0) + (split ? 1 : 0));
    int done = 0;
    const ReportDocument::Progress shown = [&](int) {
        progress.show(++done, total);
        return true;
    };
    QTextStream &out = CommandLine::out();
    if (toFile) {
        const QString file = parser.value(outputOption);
        if (!document.writePdf(file, tests, shown, nullptr, &error)) {
            CommandLine::error(tr("%1: cannot be written: %2").arg(file, error));
            return CommandLine::UsageOrFileError;
        }
        out << tr("%n page(s) written to %1", nullptr, int(tests.size()))
                   .arg(QDir::toNativeSeparators(file))
            << '\n';
    }
    if (split) {
        const QDir dir(parser.value(splitOption));
        if (!dir.exists() && !QDir().mkpath(dir.path())) {
            CommandLine::error(tr("%1: the folder cannot be made").arg(dir.path()));
            return CommandLine::UsageOrFileError;
        }
        for (const databaseEntry &test : qAsConst(tests)) {
            const QString file = dir.filePath(splitFileName(test));
            if (!document.writePdf(file, {test}, shown, nullptr, &error)) {
                CommandLine::error(tr("%1: cannot be written: %2").arg(file, error));
                return CommandLine::UsageOrFileError;
            }
            out << QDir::toNativeSeparators(file) << '\n';
        }
    }
    return status;
}
