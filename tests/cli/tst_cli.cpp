// veskora-cli run as a process: its output, its messages and its exit statuses.
#include "caporder.h"
#include "csvformat.h"
#include "testsupport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

QString dir()
{
    return TestSupport::tempDir();
}

// "@/" in an argument stands for the test's folder.
QStringList withDir(QStringList args)
{
    for (QString &a : args)
        a.replace(QLatin1String("@/"), dir() + QLatin1Char('/'));
    return args;
}

Run cli(const QStringList &args, const QByteArray &input = QByteArray())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LSAN_OPTIONS"),
               env.value(QStringLiteral("LSAN_OPTIONS")) + QStringLiteral(":print_suppressions=0"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VK_CLI_PATH), withDir(args));
    if (!p.waitForStarted())
        qFatal("veskora-cli did not start");
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000))
        qFatal("veskora-cli did not finish");
    Run r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QString tool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted() || !p.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

void write(const QString &name, const QByteArray &bytes)
{
    QFile f(dir() + QLatin1Char('/') + name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray joined(const QVector<int> &caps, const char *separator)
{
    QStringList numbers;
    for (int c : caps)
        numbers.append(QString::number(c));
    return numbers.join(QLatin1String(separator)).toUtf8();
}

QVector<int> tray2Reversed()
{
    QVector<int> caps = CapOrder::untouched();
    std::reverse(caps.begin() + 22, caps.begin() + 43);
    return caps;
}

// Rows of the output as column -> value, CSV or JSON.
QList<QMap<QString, QString>> rowsOf(const QString &out, bool json)
{
    QList<QMap<QString, QString>> rows;
    QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (json) {
        for (const QString &line : lines) {
            const QVariantMap object =
                QJsonDocument::fromJson(line.toUtf8()).object().toVariantMap();
            QMap<QString, QString> row;
            for (auto it = object.cbegin(); it != object.cend(); ++it)
                row.insert(it.key(), it.value().toString());
            rows.append(row);
        }
        return rows;
    }
    if (lines.isEmpty())
        return rows;
    const QStringList header = lines.takeFirst().split(QLatin1Char(','));
    for (const QString &line : lines) {
        const QStringList fields = CsvFormat::splitLine(line);
        QMap<QString, QString> row;
        for (int i = 0; i < header.size(); ++i)
            row.insert(header.at(i), fields.value(i));
        rows.append(row);
    }
    return rows;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QVector<int> swap = TestSupport::swapped(CapOrder::untouched(), 30, 31);
        write(QStringLiteral("perfect.txt"), joined(CapOrder::untouched(), " ") + '\n');
        // Any separators; blank lines are no arrangements.
        write(QStringLiteral("several.txt"), joined(TestSupport::ascending(), ",") + "\n\n" +
                                                 joined(swap, "; ") + "\r\n" +
                                                 joined(tray2Reversed(), "\t"));
        QVector<int> repeated = CapOrder::untouched();
        repeated[84] = 83;
        QByteArray notCap = joined(CapOrder::untouched(), " ");
        notCap.replace(" 9 ", " x ");
        write(QStringLiteral("problems.txt"),
              joined(CapOrder::untouched(), ",") + '\n' +
                  joined(CapOrder::untouched().mid(0, 84), ",") + '\n' + joined(repeated, ",") +
                  '\n' + joined(TestSupport::swapped(CapOrder::untouched(), 5, 30), ",") + '\n' +
                  notCap + '\n');
        write(QStringLiteral("empty.txt"), "\n \n");
        write(QStringLiteral("notdb.sqlite"), "This is plain text, not a database file.\n");
        QStringList csv{CsvFormat::headerLine(),
                        CsvFormat::recordLine(TestSupport::sampleEntry(QStringLiteral("Joanna"),
                                                                       QStringLiteral("Smith"),
                                                                       CapOrder::untouched()),
                                              QStringLiteral("0")),
                        CsvFormat::recordLine(TestSupport::sampleEntry(QStringLiteral("Ann"),
                                                                       QStringLiteral("Lee"), swap),
                                              QStringLiteral("4"))};
        write(QStringLiteral("fixture.csv"), csv.join(QLatin1Char('\n')).toUtf8() + '\n');
        csv.append(QStringLiteral("too,short"));
        write(QStringLiteral("short.csv"), csv.join(QLatin1Char('\n')).toUtf8() + '\n');

        // The database the other cases read is made by the tool itself.
        const Run made = cli({QStringLiteral("import"), QStringLiteral("--db"),
                              QStringLiteral("@/tests.sqlite"), QStringLiteral("@/fixture.csv")});
        QCOMPARE(made.err, QString());
        QCOMPARE(made.out, dir() + QStringLiteral("/fixture.csv: 2 test(s) added, 0 cap set(s) "
                                                  "added, 0 line(s) refused\n"));
        QCOMPARE(made.status, 0);
    }

    void score_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("expected"); // column=value; an absent field reads empty

        const auto s = [](const char *args) {
            return QString::fromLatin1(args).split(QLatin1Char(' '));
        };
        const QStringList zeroes = s("tray1=0 tray2=0 tray3=0 tray4=0 redGreen=0 sqrtRedGreen=0 "
                                     "blueYellow=0 sqrtBlueYellow=0");
        QTest::newRow("perfect order")
            << s("score @/perfect.txt") << QByteArray() << 1 << 0
            << TestSupport::texts(
                   {"source=@/perfect.txt", "line=1", "testID=", "first=", "tes=0", "sqrtTes=0",
                    "class=Superior Discrimination", "percentileUnselected=90%",
                    "percentileInPlant=90%", "percentileExperienced=90%", "vingrysAngle=54.1492",
                    "cIndex=0.999937", "sIndex=1.28424", "diagnosis=Ambigious Deficiency"}) +
                   zeroes;
        QTest::newRow("adjacent swap")
            << s("score @/several.txt") << QByteArray() << 3 << 1
            << s("line=3 tes=4 sqrtTes=2 redGreen=4 sqrtRedGreen=2 blueYellow=0 tray2=4 tray1=0 "
                 "percentileExperienced=70%");
        // Tray 2 backwards: caps 21, 22 (red-green) and 42, 43 (blue-yellow) each score 22.
        QTest::newRow("tray 2 reversed")
            << s("score @/several.txt") << QByteArray() << 3 << 2
            << TestSupport::texts(
                   {"line=4", "tes=80", "sqrtTes=8.94427", "class=Average Discrimination",
                    "percentileUnselected=20%", "percentileInPlant=0%", "percentileExperienced=0%",
                    "vingrysAngle=46.6844", "cIndex=3.75583", "sIndex=4.79778", "tray1=20",
                    "tray2=40", "tray3=20", "tray4=0", "redGreen=40", "sqrtRedGreen=6.32456",
                    "blueYellow=40", "sqrtBlueYellow=6.32456"});
        QTest::newRow("exported CSV")
            << s("score @/fixture.csv") << QByteArray() << 2 << 1
            << s("line=3 first=Ann middle=M last=Lee reference=R-Ann dob=01/02/1980 "
                 "date=03/04/2025 testID= tes=4 redGreen=4");
        QTest::newRow("every stored test")
            << s("score --db @/tests.sqlite") << QByteArray() << 2 << 0
            << s("testID=1 first=Joanna last=Smith source= line= tes=0");
        QTest::newRow("stored tests by id, in that order")
            << s("score --db @/tests.sqlite --ids 2,1") << QByteArray() << 2 << 0
            << s("testID=2 first=Ann tes=4");
        QTest::newRow("stored tests by search")
            << s("score --db @/tests.sqlite --search last=Le") << QByteArray() << 1 << 0
            << s("testID=2 first=Ann");
        QTest::newRow("standard input") << s("score -") << joined(TestSupport::ascending(), ", ")
                                        << 1 << 0 << s("source=- line=1 tes=0");
        QTest::newRow("JSON") << s("score --json @/several.txt") << QByteArray() << 3 << 2
                              << s("line=4 tes=80 sqrtTes=8.94427190999916 redGreen=40 "
                                   "vingrysAngle=46.68436657206862");
        QTest::newRow("JSON from the store leaves out what the store lacks")
            << s("score --json --db @/tests.sqlite --ids 2") << QByteArray() << 1 << 0
            << s("testID=2 first=Ann source= line= tes=4");
        // A name with quotes and a line break comes back whole from its JSON string.
        databaseEntry quoted =
            TestSupport::sampleEntry(QStringLiteral("Ann \"Jo\"\nB"), QStringLiteral("Lee"));
        quoted.scores = CapOrder::write(CapOrder::untouched());
        QTest::newRow("JSON of awkward text")
            << s("score --json -")
            << (CsvFormat::headerLine() + QLatin1Char('\n') + CsvFormat::recordLine(quoted, {}))
                   .toUtf8()
            << 1 << 0
            << QStringList{QStringLiteral("first=Ann \"Jo\"\nB"), QStringLiteral("line=2")};
        QTest::newRow("German texts")
            << s("--lang de score @/perfect.txt") << QByteArray() << 1 << 0
            << TestSupport::texts({"class=Hohes Farbunterscheidungsvermögen", "tes=0"});
    }
    void score()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(int, rowCount);
        QFETCH(int, row);
        QFETCH(QStringList, expected);
        const Run r = cli(args, input);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        const QList<QMap<QString, QString>> rows =
            rowsOf(r.out, args.contains(QLatin1String("--json")));
        QCOMPARE(rows.size(), rowCount);
        for (const QString &pair : expected) {
            const QString key = pair.section(QLatin1Char('='), 0, 0);
            QString value = pair.section(QLatin1Char('='), 1);
            value.replace(QLatin1String("@/"), dir() + QLatin1Char('/'));
            QCOMPARE(rows.at(row).value(key), value);
        }
        // The two partial scores make up the TES.
        for (const auto &each : rows)
            QCOMPARE(each.value(QStringLiteral("redGreen")).toInt() +
                         each.value(QStringLiteral("blueYellow")).toInt(),
                     each.value(QStringLiteral("tes")).toInt());
    }

    void check_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("status");
        QTest::newRow("each problem kind")
            << QStringList{QStringLiteral("check"), QStringLiteral("@/problems.txt")}
            << QString::fromUtf8("@/problems.txt:1: ok\n"
                                 "@/problems.txt:2: tray 4: missing 84\n"
                                 "@/problems.txt:3: tray 4: missing 84 · 83 typed twice\n"
                                 "@/problems.txt:4: tray 1: missing 5 · 30 belongs to tray 2; "
                                 "tray 2: missing 30 · 5 belongs to tray 1\n"
                                 "@/problems.txt:5: tray 1: missing 9 · x is not a cap number\n")
            << 1;
        QTest::newRow("exported CSV")
            << QStringList{QStringLiteral("check"), QStringLiteral("@/fixture.csv")}
            << QStringLiteral("@/fixture.csv:2: ok\n@/fixture.csv:3: ok\n") << 0;
        QTest::newRow("stored tests")
            << QStringList{QStringLiteral("check"), QStringLiteral("--db"),
                           QStringLiteral("@/tests.sqlite")}
            << QStringLiteral("@/tests.sqlite: test 1: ok\n@/tests.sqlite: test 2: ok\n") << 0;
    }
    void check()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, expected);
        QFETCH(int, status);
        const Run r = cli(args);
        QCOMPARE(r.out, expected.replace(QLatin1String("@/"), dir() + QLatin1Char('/')));
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, status);
    }

    // Usage, files and input that are wrong: a clear message and the status, never a crash.
    void statusAndMessages_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const auto s = [](const char *args) {
            return QString::fromLatin1(args).split(QLatin1Char(' '));
        };
        QTest::newRow("help") << s("--help") << 0 << QStringLiteral("score") << QString();
        QTest::newRow("command help")
            << s("report --help") << 0 << QStringLiteral("--split <DIR>") << QString();
        QTest::newRow("version") << s("--version") << 0 << QStringLiteral("veskora-cli 4.")
                                 << QString();
        QTest::newRow("no command")
            << QStringList() << 2 << QString() << QStringLiteral("no command given");
        QTest::newRow("unknown command")
            << s("grade x") << 2 << QString() << QStringLiteral("'grade' is not a command");
        QTest::newRow("unknown option")
            << s("score --fast x") << 2 << QString() << QStringLiteral("Unknown option 'fast'");
        QTest::newRow("unknown language") << s("--lang xx score @/perfect.txt") << 2 << QString()
                                          << QStringLiteral("no translation 'xx'");
        QTest::newRow("unreadable file") << s("score @/missing.txt") << 2 << QString()
                                         << QStringLiteral("@/missing.txt: cannot be read");
        QTest::newRow("not a database")
            << s("score --db @/notdb.sqlite") << 2 << QString()
            << QStringLiteral("@/notdb.sqlite: The database file could not be opened: "
                              "@/notdb.sqlite is not a readable database");
        QTest::newRow("no database file")
            << s("export --db @/none.sqlite -o @/x.csv") << 2 << QString()
            << QStringLiteral("@/none.sqlite: no such database file");
        QTest::newRow("empty input") << s("check @/empty.txt") << 1 << QString()
                                     << QStringLiteral("@/empty.txt: holds no arrangement");
        QTest::newRow("a line with problems is not scored")
            << s("score @/problems.txt") << 1 << QStringLiteral("problems.txt,1,")
            << QStringLiteral("@/problems.txt:2: tray 4: missing 84\n");
        QTest::newRow("short CSV line")
            << s("score @/short.csv") << 1 << QStringLiteral("short.csv,3,")
            << QStringLiteral("@/short.csv:4: 2 field(s); a test needs at least 15");
        QTest::newRow("unknown id")
            << s("check --db @/tests.sqlite --ids 2,99") << 1 << QStringLiteral("test 2: ok")
            << QStringLiteral("@/tests.sqlite: no test with id 99");
        QTest::newRow("malformed ids") << s("score --db @/tests.sqlite --ids 1,two") << 2
                                       << QString() << QStringLiteral("'two' is not a test id");
        QTest::newRow("ids without a database")
            << s("score --ids 1 @/perfect.txt") << 2 << QString() << QStringLiteral("need --db");
        QTest::newRow("report without output")
            << s("report --db @/tests.sqlite") << 2 << QString() << QStringLiteral("-o FILE");
        QTest::newRow("import of an unknown format")
            << s("import --db @/new.sqlite @/notdb.sqlite") << 2 << QString()
            << QStringLiteral("notdb.sqlite: not a CSV, HDB or VKT file");
        QTest::newRow("import with a refused line")
            << s("import --db @/refusing.sqlite @/short.csv") << 1
            << QStringLiteral("2 test(s) added, 0 cap set(s) added, 1 line(s) refused")
            << QStringLiteral("short.csv");
    }
    void statusAndMessages()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run r = cli(args);
        QVERIFY2(r.out.contains(out.replace(QLatin1String("@/"), dir() + QLatin1Char('/'))),
                 qPrintable(r.out));
        QVERIFY2(r.err.contains(err.replace(QLatin1String("@/"), dir() + QLatin1Char('/'))),
                 qPrintable(r.err));
        QVERIFY(!r.err.contains(QLatin1String("runtime error")));
        QCOMPARE(r.status, status);
    }

    void report_data()
    {
        QTest::addColumn<QString>("ids");
        QTest::addColumn<QString>("firstPage");
        QTest::addColumn<QString>("secondPage");
        QTest::newRow("stored order")
            << QString() << QStringLiteral("Smith") << QStringLiteral("Lee");
        QTest::newRow("order of --ids")
            << QStringLiteral("2,1") << QStringLiteral("Lee") << QStringLiteral("Smith");
    }
    void report()
    {
        QFETCH(QString, ids);
        QFETCH(QString, firstPage);
        QFETCH(QString, secondPage);
        const QString pdf = dir() + QStringLiteral("/two.pdf");
        const QString split = dir() + QStringLiteral("/split");
        QStringList args{QStringLiteral("report"),
                         QStringLiteral("--db"),
                         QStringLiteral("@/tests.sqlite"),
                         QStringLiteral("-o"),
                         pdf,
                         QStringLiteral("--split"),
                         split};
        if (!ids.isEmpty())
            args << QStringLiteral("--ids") << ids;
        const Run r = cli(args);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        QVERIFY(QFile::exists(split + QStringLiteral("/1 Smith Joanna.pdf")));
        QVERIFY(QFile::exists(split + QStringLiteral("/2 Lee Ann.pdf")));
        const QString info = tool(QStringLiteral("pdfinfo"), {pdf});
        if (info.isEmpty())
            QSKIP("poppler-utils is not installed");
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))),
                 qPrintable(info));
        const auto page = [&pdf](int n) {
            return tool(QStringLiteral("pdftotext"),
                        {QStringLiteral("-f"), QString::number(n), QStringLiteral("-l"),
                         QString::number(n), pdf, QStringLiteral("-")});
        };
        for (int n : {1, 2}) {
            const QString text = page(n);
            QVERIFY2(text.contains(QLatin1String("Veskora Results")), qPrintable(text));
            QVERIFY(text.contains(n == 1 ? firstPage : secondPage));
            QVERIFY(!text.contains(n == 1 ? secondPage : firstPage));
        }
    }

    void importExportRoundTrip()
    {
        const Run exported =
            cli({QStringLiteral("export"), QStringLiteral("--db"), QStringLiteral("@/tests.sqlite"),
                 QStringLiteral("-o"), QStringLiteral("@/a.csv")});
        QCOMPARE(exported.status, 0);
        QCOMPARE(exported.out, QStringLiteral("2 test(s) written to %1/a.csv\n").arg(dir()));
        const Run imported = cli({QStringLiteral("import"), QStringLiteral("--db"),
                                  QStringLiteral("@/copy.sqlite"), QStringLiteral("@/a.csv")});
        QCOMPARE(imported.status, 0);
        const Run again =
            cli({QStringLiteral("export"), QStringLiteral("--db"), QStringLiteral("@/copy.sqlite"),
                 QStringLiteral("-o"), QStringLiteral("@/b.csv")});
        QCOMPARE(again.status, 0);
        QFile a(dir() + QStringLiteral("/a.csv"));
        QFile b(dir() + QStringLiteral("/b.csv"));
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        const QStringList first = QString::fromUtf8(a.readAll()).split(QLatin1Char('\n'));
        const QStringList second = QString::fromUtf8(b.readAll()).split(QLatin1Char('\n'));
        QCOMPARE(first.size(), 4); // header, two tests, the last line end
        QCOMPARE(second.size(), first.size());
        QVERIFY(first.at(2).contains(QLatin1String(",Lee,R-Ann,")));
        // Every field alike; the cap order reads alike (each import ends it with two
        // more commas, which the reading ignores).
        for (int i = 0; i < first.size(); ++i) {
            const QStringList was = CsvFormat::splitLine(first.at(i));
            const QStringList is = CsvFormat::splitLine(second.at(i));
            QCOMPARE(is.mid(0, CsvFormat::CapOrderField), was.mid(0, CsvFormat::CapOrderField));
            QCOMPARE(CapOrder::read(is.mid(CsvFormat::CapOrderField).join(QLatin1Char(','))),
                     CapOrder::read(was.mid(CsvFormat::CapOrderField).join(QLatin1Char(','))));
        }
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
