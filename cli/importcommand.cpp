#include "importcommand.h"

#include "arrangementinput.h"
#include "commandline.h"
#include "csvfile.h"
#include "legacyimport.h"
#include "testchooser.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>

ImportCommand::Format ImportCommand::formatOf(const QString &path, const QByteArray &start)
{
    if (ArrangementInput::isCsv(CsvFile::decode(start)))
        return Csv;
    if (start.contains("<plist") || start.contains("<!DOCTYPE plist"))
        return Vkt;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("csv") || suffix == QLatin1String("txt"))
        return Csv;
    if (suffix == QLatin1String("hdb"))
        return Hdb;
    if (suffix == QLatin1String("vkt"))
        return Vkt;
    return Unknown;
}

int ImportCommand::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    TestChooser chooser;
    parser.addOption(chooser.dbOption);
    parser.addPositionalArgument(QStringLiteral("INPUT"),
                                 tr("CSV, HDB or VKT files, known by content or extension."),
                                 QStringLiteral("INPUT..."));
    int status = CommandLine::Ok;
    if (!CommandLine::parse(parser, arguments,
                            tr("Imports tests into a database file, which is made when missing."),
                            &status))
        return status;
    const QStringList inputs = parser.positionalArguments();
    if (!parser.isSet(chooser.dbOption) || inputs.isEmpty()) {
        CommandLine::error(tr("import needs --db FILE and at least one input file"));
        return CommandLine::UsageOrFileError;
    }
    QString error;
    if (!TestChooser::openStore(parser.value(chooser.dbOption), true, &error)) {
        CommandLine::error(error);
        return CommandLine::UsageOrFileError;
    }
    QTextStream &out = CommandLine::out();
    for (const QString &input : inputs) {
        QFile file(input);
        if (!file.open(QIODevice::ReadOnly)) {
            CommandLine::error(tr("%1: cannot be read: %2").arg(input, file.errorString()));
            status = CommandLine::UsageOrFileError;
            continue;
        }
        const Format format = formatOf(input, file.read(4096));
        file.close();
        int tests = 0;
        int capSets = 0;
        int refused = 0;
        QString problem;
        bool ok = false;
        if (format == Csv) {
            const CsvFile::ImportResult r = CsvFile::importFile(input);
            ok = r.ok;
            tests = r.imported;
            refused = r.skipped;
            problem = r.error;
        } else if (format == Hdb || format == Vkt) {
            const LegacyImport::Result r =
                format == Hdb ? LegacyImport::importHDB(input) : LegacyImport::importVKT(input);
            ok = r.ok;
            tests = r.tests;
            capSets = r.capSets;
            refused = r.skipped;
            problem = r.error;
        } else {
            CommandLine::error(tr("%1: not a CSV, HDB or VKT file").arg(input));
            status = CommandLine::UsageOrFileError;
            continue;
        }
        if (!problem.isEmpty())
            CommandLine::error(input + QLatin1String(": ") + problem);
        if (!ok) {
            status = CommandLine::worse(status, CommandLine::InputProblems);
            continue;
        }
        if (refused > 0)
            status = CommandLine::worse(status, CommandLine::InputProblems);
        out << tr("%1: %2 test(s) added, %3 cap set(s) added, %4 line(s) refused")
                   .arg(input)
                   .arg(tests)
                   .arg(capSets)
                   .arg(refused)
            << '\n';
    }
    return status;
}
