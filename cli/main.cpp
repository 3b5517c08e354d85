#include "checkcommand.h"
#include "commandline.h"
#include "exportcommand.h"
#include "importcommand.h"
#include "reportcommand.h"
#include "scorecommand.h"
#include "vkresources.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTranslator>
#include <memory>

namespace {

struct Command
{
    const char *name;
    int (*run)(const QStringList &arguments);
    const char *summary;
};

const Command Commands[] = {
    {"score", &ScoreCommand::run,
     "score arrangements: TES, class, percentiles, Vingrys, partial scores"},
    {"check", &CheckCommand::run, "check arrangements for missing, repeated and misplaced caps"},
    {"report", &ReportCommand::run, "write the report page of stored tests as PDF"},
    {"import", &ImportCommand::run, "import CSV, HDB or VKT files into a database file"},
    {"export", &ExportCommand::run, "write stored tests as CSV"},
};

// The command: the first argument that is neither an option nor the value of --lang.
int commandIndex(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--lang" || arg == "-l")
            ++i;
        else if (!arg.startsWith('-'))
            return i;
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    const int index = commandIndex(argc, argv);
    const bool drawing = index > 0 && qstrcmp(argv[index], "report") == 0;
    // The report draws the chart scene of the analysis page, which needs a widget
    // application; it never shows a window and must not need a display.
    if (drawing)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(drawing ? new QApplication(argc, argv)
                                                  : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("veskora-cli"));
    QCoreApplication::setOrganizationName(QStringLiteral("Veskora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VESKORA_VERSION));
    vkInitResources();

    QStringList arguments = QCoreApplication::arguments();
    // Options before the command belong to the program; the rest to the command.
    const QStringList global = index > 0 ? arguments.mid(0, index) : arguments;
    QCommandLineParser parser;
    QString commands;
    for (const Command &c : Commands)
        commands += QStringLiteral("  %1  %2\n")
                        .arg(QLatin1String(c.name), -7)
                        .arg(QCoreApplication::translate("CommandLine", c.summary));
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Scores, checks, reports, imports and exports "
                                                   "colour-arrangement tests.") +
        QLatin1String("\n\n") + QCoreApplication::translate("CommandLine", "Commands:") +
        QLatin1Char('\n') + commands);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption lang(
        QStringList{QStringLiteral("l"), QStringLiteral("lang")},
        QCoreApplication::translate("CommandLine",
                                    "Texts in this language (fr, de, es, it, ja, pt, zh_Hans, "
                                    "zh_Hant); English by default."),
        QStringLiteral("CODE"));
    parser.addOption(lang);
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QCoreApplication::translate("CommandLine",
                                    "One of the commands above; '<command> --help' describes it."),
        QStringLiteral("<command> [options]"));
    if (!parser.parse(global)) {
        CommandLine::error(parser.errorText());
        return CommandLine::UsageOrFileError;
    }
    if (parser.isSet(version)) {
        CommandLine::out() << QCoreApplication::applicationName() << ' '
                           << QCoreApplication::applicationVersion() << '\n';
        return CommandLine::Ok;
    }
    if (parser.isSet(help) || index < 0) {
        if (index < 0 && !parser.isSet(help)) {
            CommandLine::error(QCoreApplication::translate("CommandLine", "no command given"));
            CommandLine::err() << parser.helpText();
            return CommandLine::UsageOrFileError;
        }
        CommandLine::out() << parser.helpText();
        return CommandLine::Ok;
    }
    QTranslator translator;
    if (parser.isSet(lang)) {
        const QString code = parser.value(lang);
        if (code != QLatin1String("en")) {
            if (!translator.load(QLatin1String("qt_") + code, QStringLiteral(":/translations"))) {
                CommandLine::error(
                    QCoreApplication::translate("CommandLine", "--lang: no translation '%1'")
                        .arg(code));
                return CommandLine::UsageOrFileError;
            }
            QCoreApplication::installTranslator(&translator);
        }
    }
    const QString &name = arguments.at(index);
    for (const Command &c : Commands) {
        if (name == QLatin1String(c.name)) {
            const int status = c.run(arguments.mid(index));
            CommandLine::out().flush();
            return status;
        }
    }
    CommandLine::error(
        QCoreApplication::translate("CommandLine", "'%1' is not a command; see --help").arg(name));
    return CommandLine::UsageOrFileError;
}
