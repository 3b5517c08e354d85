#include "exportcommand.h"

#include "commandline.h"
#include "csvfile.h"
#include "csvformat.h"
#include "testchooser.h"

#include <QCommandLineParser>
#include <QDir>

int ExportCommand::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    TestChooser chooser;
    chooser.addOptions(parser);
    const QCommandLineOption outputOption(
        QStringList{QStringLiteral("o"), QStringLiteral("output")},
        tr("The CSV file to write (\".txt\" is added unless "
           "the name ends in .csv or .txt)."),
        tr("FILE"));
    parser.addOption(outputOption);
    int status = CommandLine::Ok;
    if (!CommandLine::parse(parser, arguments,
                            tr("Writes the chosen tests of a database file as CSV lines."),
                            &status))
        return status;
    if (!parser.isSet(chooser.dbOption) || !parser.isSet(outputOption) ||
        parser.value(outputOption).isEmpty() || !parser.positionalArguments().isEmpty()) {
        CommandLine::error(tr("export needs --db FILE and -o FILE, and nothing else"));
        return CommandLine::UsageOrFileError;
    }
    QList<databaseEntry> tests;
    status = chooser.openAndChoose(parser, &tests);
    if (status == CommandLine::UsageOrFileError)
        return status;
    const CsvFile::WriteResult written =
        CsvFile::writeLines(parser.value(outputOption), int(tests.size()) + 1, [&tests](int i) {
            return i == 0 ? CsvFormat::headerLine()
                          : CsvFormat::recordLine(tests.at(i - 1), tests.at(i - 1).tes);
        });
    if (!written.ok) {
        CommandLine::error(written.error);
        return CommandLine::UsageOrFileError;
    }
    CommandLine::out() << tr("%n test(s) written to %1", nullptr, int(tests.size()))
                              .arg(QDir::toNativeSeparators(written.fileName))
                       << '\n';
    return status;
}
