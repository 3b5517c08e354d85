// veskora-cli run as a process in the test's folder: its output, its messages and its exit
// statuses.
#include "caporder.h"
#include "csvformat.h"
#include "testsupport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

void write(const char *name, const QByteArray &bytes)
{
    QFile f(TestSupport::tempDir() + QLatin1Char('/') + QLatin1String(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", name);
}

// The arrangement as numbers between the separator.
QByteArray joined(const QVector<int> &caps, const char *separator)
{
    return CapOrder::write(caps).replace(QLatin1String(", "), QLatin1String(separator)).toUtf8();
}

QByteArray csvLine(const char *first, const char *last, const QVector<int> &caps, const char *tes)
{
    const databaseEntry e =
        TestSupport::sampleEntry(QString::fromUtf8(first), QString::fromUtf8(last), caps);
    return '\n' + CsvFormat::recordLine(e, QString::fromLatin1(tes)).toUtf8();
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QVector<int> caps = CapOrder::untouched(), swap = TestSupport::swapped(caps, 30, 31);
        QVector<int> repeated = caps;
        repeated[84] = 83;
        write("perfect.txt", joined(caps, " ") + '\n');
        // Any separators; blank lines are no arrangements.
        write("several.txt", joined(TestSupport::ascending(), ",") + "\n\n" + joined(swap, "; ") +
                                 "\r\n" + joined(TestSupport::tray2Reversed(), "\t"));
        write("problems.txt", joined(caps.mid(0, 84), ",") + '\n' + joined(repeated, ",") + '\n' +
                                  joined(TestSupport::swapped(caps, 5, 30), ",") + '\n' +
                                  joined(caps, " ").replace(" 9 ", " x ") + '\n');
        write("empty.txt", "\n \n");
        write("notdb.sqlite", "This is plain text, not a database file.\n");
        const QByteArray csv = CsvFormat::headerLine().toUtf8() +
                               csvLine("Joanna", "Smith", caps, "0") +
                               csvLine("Ann", "Lee", swap, "4");
        write("fixture.csv", csv + '\n');
        write("short.csv", csv + "\ntoo,short\n");
        write("quoted.csv",
              CsvFormat::headerLine().toUtf8() + csvLine("Ann \"Jo\"\nB", "", caps, "0"));
    }

    // Usage, files and input right and wrong: the status, and a pattern each of the
    // standard output and of the messages (an empty one: no messages at all). Rows run
    // in order: the first makes the database the others read.
    void runs_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const auto row = [](const char *tag, const char *args, int status, const char *out,
                            const char *err = "") {
            QTest::newRow(tag) << QString::fromUtf8(args) << status << QString::fromUtf8(out)
                               << QString::fromUtf8(err);
        };
        row("import", "import --db tests.sqlite fixture.csv", 0,
            "^fixture\\.csv: 2 test\\(s\\) added, 0 cap set\\(s\\) added, 0 line\\(s\\) "
            "refused\n$");
        // Line numbers count the blank line; tray 2 backwards: caps 21, 22 (red-green) and
        // 42, 43 (blue-yellow) each score 22.
        row("swap and reversed tray", "score several.txt", 0,
            "^source,line,testID,first,middle,last,reference,dob,date,tes,sqrtTes,class,"
            "percentileUnselected,percentileInPlant,percentileExperienced,vingrysAngle,cIndex,"
            "sIndex,diagnosis,tray1,tray2,tray3,tray4,redGreen,sqrtRedGreen,blueYellow,"
            "sqrtBlueYellow\nseveral\\.txt,1,[^\n]*\n"
            R"(several\.txt,3,,,,,,,,4,2,Superior Discrimination,90%,90%,70%,[^,]*,[^,]*,)"
            R"([^,]*,[^,]*,0,4,0,0,4,2,0,0\nseveral\.txt,4,,,,,,,,80,8\.94427,Average )"
            R"(Discrimination,20%,0%,0%,46\.6844,3\.75583,4\.79778,Ambigious Deficiency,20,40,)"
            R"(20,0,40,6\.32456,40,6\.32456\n$)");
        row("exported CSV", "score fixture.csv", 0,
            R"(\nfixture\.csv,3,,Ann,M,Lee,R-Ann,01/02/1980,03/04/2025,4,2,)");
        row("every stored test", "score --db tests.sqlite", 0,
            R"(\n,,1,Joanna,M,Smith,R-Joanna,[^\n]*\n,,2,Ann,M,Lee,R-Ann,01/02/1980,03/04/2025,4,)");
        row("stored tests by id, in that order", "score --db tests.sqlite --ids 2,1", 0,
            R"(\n,,2,Ann,[^\n]*\n,,1,Joanna,[^\n]*\n$)");
        row("stored tests by search", "score --db tests.sqlite --search last=Le", 0,
            R"(^[^\n]*\n,,2,Ann,[^\n]*\n$)");
        row("standard input", "score -", 0, "\n-,1,,,,,,,,0,0,");
        row("JSON", "score --json several.txt", 0,
            R"("line":4,"tes":80,"sqrtTes":8\.94427190999916,.*"vingrysAngle":46\.68436657206862,)");
        // The keys come in a fixed order, source and line first where there are any.
        row("JSON from the store leaves out what the store lacks",
            "score --json --db tests.sqlite --ids 2", 0,
            R"(^\{"testID":2,"first":"Ann",[^\n]*"tes":4,[^\n]*\}\n$)");
        row("JSON of awkward text", "score --json quoted.csv", 0,
            R"("line":2,[^\n]*"first":"Ann \\"Jo\\"\\(n|u000a)B")");
        row("German texts", "--lang de score perfect.txt", 0,
            ",0,0,Hohes Farbunterscheidungsvermögen,90[^,]%,");
        row("check of a CSV file", "check fixture.csv", 0,
            "^fixture\\.csv:2: ok\nfixture\\.csv:3: ok\n$");
        row("check of stored tests", "check --db tests.sqlite --ids 2,99", 1,
            "^tests\\.sqlite: test 2: ok\n$", "tests.sqlite: no test with id 99");
        row("no command", "", 2, "", "no command given");
        row("unknown command", "grade x", 2, "", "'grade' is not a command");
        row("unknown option", "score --fast x", 2, "", "Unknown option 'fast'");
        row("unknown language", "--lang xx score perfect.txt", 2, "", "no translation 'xx'");
        row("unreadable file", "score missing.txt", 2, "", "missing.txt: cannot be read");
        row("not a database", "score --db notdb.sqlite", 2, "",
            "notdb.sqlite: The database file could not be opened: .*notdb.sqlite is not a readable "
            "database");
        row("no database file", "export --db none.sqlite -o x.csv", 2, "",
            "none.sqlite: no such database file");
        row("empty input", "check empty.txt", 1, "", "empty.txt: holds no arrangement");
        // Caps outside their tray still make a whole arrangement.
        row("lines with problems are not scored", "score problems.txt", 1,
            "^[^\n]*\nproblems\\.txt,3,[^\n]*\n$", "problems.txt:1: tray 4: missing 84\n");
        row("short CSV line", "score short.csv", 1, "\nshort\\.csv,3,",
            "short.csv:4: 2 field\\(s\\); a test needs at least 15");
        row("malformed ids", "score --db tests.sqlite --ids 1,two", 2, "",
            "'two' is not a test id");
        row("ids without a database", "score --ids 1 perfect.txt", 2, "", "need --db");
        row("report without output", "report --db tests.sqlite", 2, "", "-o FILE");
        row("import of an unknown format", "import --db new.sqlite notdb.sqlite", 2, "",
            "notdb.sqlite: not a CSV, HDB or VKT file");
        row("import with a refused line", "import --db refusing.sqlite short.csv", 1,
            "2 test\\(s\\) added, 0 cap set\\(s\\) added, 1 line\\(s\\) refused", "short.csv");
        row("export", "export --db tests.sqlite -o a.csv", 0,
            "^2 test\\(s\\) written to a\\.csv\n$");
        // One page per test, and a file per test beside them.
        row("report", "report --db tests.sqlite -o two.pdf --split split", 0,
            "^2 page\\(s\\) written to two\\.pdf\nsplit/1 Smith Joanna\\.pdf\nsplit/2 Lee "
            "Ann\\.pdf\n$");
        row("report in the order of --ids",
            "report --db tests.sqlite -o two.pdf --split split --ids 2,1", 0,
            "^2 page\\(s\\) written to two\\.pdf\nsplit/2 Lee Ann\\.pdf\nsplit/1 Smith "
            "Joanna\\.pdf\n$");
    }
    void runs()
    {
        QFETCH(QString, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LSAN_OPTIONS"), env.value(QStringLiteral("LSAN_OPTIONS")) +
                                                       QStringLiteral(":print_suppressions=0"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(TestSupport::tempDir());
        p.start(QStringLiteral(VK_CLI_PATH), args.split(QLatin1Char(' '), Qt::SkipEmptyParts));
        QVERIFY(p.waitForStarted());
        if (args.endsWith(QLatin1String(" -")))
            p.write(joined(TestSupport::ascending(), ", "));
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit);
        const QString stdOut = QString::fromUtf8(p.readAllStandardOutput());
        const QString stdErr = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(QRegularExpression(out).match(stdOut).hasMatch(), qPrintable(stdOut));
        QVERIFY2(err.isEmpty() ? stdErr.isEmpty()
                               : QRegularExpression(err).match(stdErr).hasMatch(),
                 qPrintable(stdErr));
        QCOMPARE(p.exitCode(), status);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
