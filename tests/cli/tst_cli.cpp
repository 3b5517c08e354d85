// veskora-cli run as a process in the test's folder: its output, its messages and its exit
// statuses.
#include "caporder.h"
#include "csvformat.h"
#include "testsupport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>

namespace {

struct Run
{
    int status = -1;
    QString out, err;
};

Run cli(const QString &args, const QByteArray &input = QByteArray())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LSAN_OPTIONS"),
               env.value(QStringLiteral("LSAN_OPTIONS")) + QStringLiteral(":print_suppressions=0"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(TestSupport::tempDir());
    p.start(QStringLiteral(VK_CLI_PATH), args.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    if (!p.waitForStarted())
        qFatal("veskora-cli did not start");
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000))
        qFatal("veskora-cli did not finish");
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QString path(const char *name)
{
    return TestSupport::tempDir() + QLatin1Char('/') + QLatin1String(name);
}

void write(const char *name, const QByteArray &bytes)
{
    QFile f(path(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", name);
}

QByteArray joined(const QVector<int> &caps, const char *separator)
{
    QStringList numbers;
    for (int c : caps)
        numbers.append(QString::number(c));
    return numbers.join(QLatin1String(separator)).toUtf8();
}

QByteArray csvOf(const QList<databaseEntry> &tests)
{
    QStringList lines{CsvFormat::headerLine()};
    for (const databaseEntry &e : tests)
        lines << CsvFormat::recordLine(e, e.tes);
    return lines.join(QLatin1Char('\n')).toUtf8() + '\n';
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QVector<int> caps = CapOrder::untouched(), swap = TestSupport::swapped(caps, 30, 31);
        QVector<int> tray2Reversed = caps, repeated = caps;
        std::reverse(tray2Reversed.begin() + 22, tray2Reversed.begin() + 43);
        repeated[84] = 83;
        write("perfect.txt", joined(caps, " ") + '\n');
        // Any separators; blank lines are no arrangements.
        write("several.txt", joined(TestSupport::ascending(), ",") + "\n\n" + joined(swap, "; ") +
                                 "\r\n" + joined(tray2Reversed, "\t"));
        write("problems.txt", joined(caps, ",") + '\n' + joined(caps.mid(0, 84), ",") + '\n' +
                                  joined(repeated, ",") + '\n' +
                                  joined(TestSupport::swapped(caps, 5, 30), ",") + '\n' +
                                  joined(caps, " ").replace(" 9 ", " x ") + '\n');
        write("empty.txt", "\n \n");
        write("notdb.sqlite", "This is plain text, not a database file.\n");
        databaseEntry joanna =
            TestSupport::sampleEntry(QStringLiteral("Joanna"), QStringLiteral("Smith"), caps);
        databaseEntry ann =
            TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"), swap);
        joanna.tes = QStringLiteral("0");
        ann.tes = QStringLiteral("4");
        write("fixture.csv", csvOf({joanna, ann}));
        write("short.csv", csvOf({joanna, ann}) + "too,short\n");
        databaseEntry quoted = TestSupport::sampleEntry(QStringLiteral("Ann \"Jo\"\nB"), {}, caps);
        write("quoted.csv", csvOf({quoted}));
        // The database the other cases read is made by the tool itself.
        const Run made = cli(QStringLiteral("import --db tests.sqlite fixture.csv"));
        QCOMPARE(made.out, QStringLiteral("fixture.csv: 2 test(s) added, 0 cap set(s) added, 0 "
                                          "line(s) refused\n"));
        QCOMPARE(made.status, 0);
    }

    // Usage, files and input right and wrong: the status, and a pattern each of the
    // standard output and of the messages (an empty one: no messages at all).
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
            R"("line":4,"tes":80,"sqrtTes":8\.94427190999916,.*"vingrysAngle":46\.68436657206862,)"
            R"(.*"redGreen":40,)");
        // The keys come in a fixed order, source and line first where there are any.
        row("JSON from the store leaves out what the store lacks",
            "score --json --db tests.sqlite --ids 2", 0,
            R"(^\{"testID":2,"first":"Ann",[^\n]*"tes":4,[^\n]*\}\n$)");
        row("JSON of awkward text", "score --json quoted.csv", 0,
            R"("line":2,[^\n]*"first":"Ann \\"Jo\\"\\(n|u000a)B")");
        row("German texts", "--lang de score perfect.txt", 0,
            ",0,0,Hohes Farbunterscheidungsvermögen,90%,90%,90%,54\\.1492,");
        row("each problem kind", "check problems.txt", 1,
            "^problems\\.txt:1: ok\n"
            "problems\\.txt:2: tray 4: missing 84\n"
            "problems\\.txt:3: tray 4: missing 84 · 83 typed twice\n"
            "problems\\.txt:4: tray 1: missing 5 · 30 belongs to tray 2; "
            "tray 2: missing 30 · 5 belongs to tray 1\n"
            "problems\\.txt:5: tray 1: missing 9 · x is not a cap number\n$");
        row("check of a CSV file", "check fixture.csv", 0,
            "^fixture\\.csv:2: ok\nfixture\\.csv:3: ok\n$");
        row("check of stored tests", "check --db tests.sqlite", 0,
            "^tests\\.sqlite: test 1: ok\ntests\\.sqlite: test 2: ok\n$");
        row("help", "--help", 0, "score");
        row("command help", "report --help", 0, "--split <DIR>");
        row("version", "--version", 0, "veskora-cli 4\\.");
        row("no command", "", 2, "", "no command given");
        row("unknown command", "grade x", 2, "", "'grade' is not a command");
        row("unknown option", "score --fast x", 2, "", "Unknown option 'fast'");
        row("unknown language", "--lang xx score perfect.txt", 2, "", "no translation 'xx'");
        row("unreadable file", "score missing.txt", 2, "", "missing.txt: cannot be read");
        row("not a database", "score --db notdb.sqlite", 2, "",
            "notdb.sqlite: The database file could not be opened: .*notdb.sqlite is not a "
            "readable database");
        row("no database file", "export --db none.sqlite -o x.csv", 2, "",
            "none.sqlite: no such database file");
        row("empty input", "check empty.txt", 1, "", "empty.txt: holds no arrangement");
        row("a line with problems is not scored", "score problems.txt", 1,
            "\nproblems\\.txt,1,[^\n]*\nproblems\\.txt,4,[^\n]*\n$",
            "problems.txt:2: tray 4: missing 84\n");
        row("short CSV line", "score short.csv", 1, "\nshort\\.csv,3,",
            "short.csv:4: 2 field\\(s\\); a test needs at least 15");
        row("unknown id", "check --db tests.sqlite --ids 2,99", 1, "test 2: ok",
            "tests.sqlite: no test with id 99");
        row("malformed ids", "score --db tests.sqlite --ids 1,two", 2, "",
            "'two' is not a test id");
        row("ids without a database", "score --ids 1 perfect.txt", 2, "", "need --db");
        row("report without output", "report --db tests.sqlite", 2, "", "-o FILE");
        row("import of an unknown format", "import --db new.sqlite notdb.sqlite", 2, "",
            "notdb.sqlite: not a CSV, HDB or VKT file");
        row("import with a refused line", "import --db refusing.sqlite short.csv", 1,
            "2 test\\(s\\) added, 0 cap set\\(s\\) added, 1 line\\(s\\) refused", "short.csv");
        // The round trip: exported, imported into a new file, exported again (compared below).
        row("export", "export --db tests.sqlite -o a.csv", 0,
            "^2 test\\(s\\) written to a\\.csv\n$");
        row("import of the export", "import --db copy.sqlite a.csv", 0, "2 test");
        row("export of the copy", "export --db copy.sqlite -o b.csv", 0, "2 test");
    }
    void runs()
    {
        QFETCH(QString, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const bool stdIn = args.endsWith(QLatin1String(" -"));
        const Run r = cli(args, stdIn ? joined(TestSupport::ascending(), ", ") : QByteArray());
        QVERIFY2(QRegularExpression(out).match(r.out).hasMatch(), qPrintable(r.out));
        if (err.isEmpty())
            QCOMPARE(r.err, QString());
        QVERIFY2(QRegularExpression(err).match(r.err).hasMatch(), qPrintable(r.err));
        QCOMPARE(r.status, status);
    }

    // Every field alike after the round trip; the cap order reads alike (each import ends
    // it with two more commas, which the reading ignores).
    void exportImportRoundTripKeepsEveryField()
    {
        QFile a(path("a.csv")), b(path("b.csv"));
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        const QList<QByteArray> was = a.readAll().split('\n'), is = b.readAll().split('\n');
        QCOMPARE(was.size(), 4); // header, two tests, the last line end
        QCOMPARE(is.size(), was.size());
        QVERIFY(was.at(2).contains(",Lee,R-Ann,"));
        for (int i = 0; i < was.size(); ++i) {
            QStringList x = CsvFormat::splitLine(QString::fromUtf8(was.at(i)));
            QStringList y = CsvFormat::splitLine(QString::fromUtf8(is.at(i)));
            const int at = CsvFormat::CapOrderField;
            QCOMPARE(CapOrder::read(y.mid(at).join(QLatin1Char(','))),
                     CapOrder::read(x.mid(at).join(QLatin1Char(','))));
            QCOMPARE(y.mid(0, at), x.mid(0, at));
        }
    }

    // One page per test in the order asked for, and a file per test beside it.
    void reportWritesAPagePerTest()
    {
        for (const char *ids : {"", " --ids 2,1"}) {
            const Run r = cli(QStringLiteral("report --db tests.sqlite -o two.pdf --split split") +
                              QLatin1String(ids));
            QCOMPARE(r.err + QString::number(r.status), QStringLiteral("0"));
            QVERIFY(QFile::exists(path("split/1 Smith Joanna.pdf")));
            QVERIFY(QFile::exists(path("split/2 Lee Ann.pdf")));
            QProcess text; // the pages' text, a form feed after each
            text.start(QStringLiteral("pdftotext"), {path("two.pdf"), QStringLiteral("-")});
            if (!text.waitForFinished(60000) || text.exitCode() != 0)
                QSKIP("poppler-utils is not installed");
            const QList<QByteArray> pages = text.readAllStandardOutput().split('\f');
            QCOMPARE(pages.size(), 3);
            QCOMPARE(pages.at(0).contains("Smith") && pages.at(1).contains("Lee"), !*ids);
            QCOMPARE(pages.at(0).contains("Lee") && pages.at(1).contains("Smith"), bool(*ids));
        }
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
