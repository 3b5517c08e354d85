// The translation sources of the eight interface languages against the code:
// every text the code marks must be there and translated, nothing stale may
// linger, and the translations must keep what the code glues them together with.
#include "vocabulary.h"

#include <algorithm>

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment; // disambiguation; part of the identity, like in lupdate
    bool numerus = false;
    QString type; // empty when finished
    QStringList translations;

    QString key() const { return context + QChar(0) + source + QChar(0) + comment; }
    QString label() const
    {
        QString shown = source;
        shown.replace(QLatin1Char('\n'), QLatin1String("\\n"));
        return context + QLatin1String(" / \"") + shown + QLatin1Char('"');
    }
};

// Reads the messages of a .ts file; an empty list and a text in *error on failure.
QVector<Message> readTs(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QVector<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("context")) {
            context.clear();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            Message m;
            m.context = context;
            m.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            while (xml.readNextStartElement()) {
                const QStringRef part = xml.name();
                if (part == QLatin1String("source")) {
                    m.source = xml.readElementText();
                } else if (part == QLatin1String("comment")) {
                    m.comment = xml.readElementText();
                } else if (part == QLatin1String("translation")) {
                    m.type = xml.attributes().value(QLatin1String("type")).toString();
                    if (m.numerus) {
                        while (xml.readNextStartElement()) {
                            if (xml.name() == QLatin1String("numerusform"))
                                m.translations.append(xml.readElementText());
                            else
                                xml.skipCurrentElement();
                        }
                    } else {
                        m.translations.append(
                            xml.readElementText(QXmlStreamReader::IncludeChildElements));
                    }
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages.append(m);
        }
    }
    if (xml.hasError()) {
        *error = xml.errorString() + QLatin1String(" at line ") + QString::number(xml.lineNumber());
        return {};
    }
    return messages;
}

QString tsPath(const QString &code)
{
    return QLatin1String(VK_SOURCE_DIR "/resources/translations/qt_") + code + QLatin1String(".ts");
}

// A few lines of a failure list are enough to find the rest.
QByteArray summary(const QStringList &failures)
{
    QStringList shown = failures.mid(0, 12);
    if (failures.size() > shown.size())
        shown.append(QStringLiteral("... and %1 more").arg(failures.size() - shown.size()));
    return (QString::number(failures.size()) + QLatin1String(" problem(s):\n") +
            shown.join(QLatin1Char('\n')))
        .toUtf8();
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(?:n|[1-9])"));
    QStringList found;
    auto it = marker.globalMatch(text);
    while (it.hasNext())
        found.append(it.next().captured());
    found.sort();
    return found;
}

int leadingBlanks(const QString &text)
{
    int n = 0;
    while (n < text.size() && text.at(n).isSpace())
        ++n;
    return n;
}

int trailingBlanks(const QString &text)
{
    int n = 0;
    while (n < text.size() && text.at(text.size() - 1 - n).isSpace())
        ++n;
    return n;
}

} // namespace

class TranslationFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void filesAreComplete_data();
    void filesAreComplete();
    void filesCoverEveryTextOfTheCode_data() { filesAreComplete_data(); }
    void filesCoverEveryTextOfTheCode();
    void filesHoldNoTextTheCodeLacks_data() { filesAreComplete_data(); }
    void filesHoldNoTextTheCodeLacks();
    void translationsKeepPlaceholdersAndEdges_data() { filesAreComplete_data(); }
    void translationsKeepPlaceholdersAndEdges();

    void fixedTextsStayAsTheyAre_data();
    void fixedTextsStayAsTheyAre();

    void choiceListsAreFoundUnderBothContexts_data();
    void choiceListsAreFoundUnderBothContexts();

private:
    QVector<Message> m_code; // what lupdate finds in the sources
    QHash<QString, Message> m_codeByKey;
    QVector<Message> load(const QString &code);
};

void TranslationFilesTest::initTestCase()
{
    QVERIFY2(QFile::exists(QStringLiteral(VK_LUPDATE)), VK_LUPDATE);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString target = dir.filePath(QStringLiteral("found.ts"));
    // A fresh file in a temporary folder: the real files stay untouched, and a
    // broken one cannot hide what the code holds.

    QStringList args{QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                     QStringLiteral("none"), QStringLiteral("-silent")};
    const QStringList dirs = QStringLiteral(VK_CODE_DIRS).split(QLatin1Char(','));
    for (const QString &d : dirs)
        args.append(QLatin1String(VK_SOURCE_DIR "/") + d);
    args << QStringLiteral("-ts") << target;

    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(VK_LUPDATE), args);
    QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             lupdate.readAll().constData());

    QString error;
    m_code = readTs(target, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    for (const Message &m : qAsConst(m_code))
        m_codeByKey.insert(m.key(), m);
    QVERIFY2(m_code.size() > 100, "lupdate found hardly any texts in the code");
}

QVector<Message> TranslationFilesTest::load(const QString &code)
{
    QString error;
    const QVector<Message> messages = readTs(tsPath(code), &error);
    if (!error.isEmpty())
        qWarning("%s: %s", qPrintable(tsPath(code)), qPrintable(error));
    return messages;
}

void TranslationFilesTest::filesAreComplete_data()
{
    QTest::addColumn<QString>("code");
    for (const char *code : {"fr", "de", "es", "it", "ja", "pt", "zh_Hans", "zh_Hant"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

void TranslationFilesTest::filesAreComplete()
{
    QFETCH(QString, code);
    const QVector<Message> messages = load(code);
    QVERIFY2(!messages.isEmpty(), qPrintable(tsPath(code)));
    QStringList failures;
    for (const Message &m : messages) {
        if (!m.type.isEmpty())
            failures.append(m.type + QLatin1String(": ") + m.label());
        else if (m.translations.isEmpty())
            failures.append(QLatin1String("no translation: ") + m.label());
        for (const QString &t : m.translations) {
            if (t.isEmpty() && !m.source.isEmpty()) {
                failures.append(QLatin1String("empty translation: ") + m.label());
                break;
            }
        }
    }
    QVERIFY2(failures.isEmpty(), summary(failures).constData());
}

void TranslationFilesTest::filesCoverEveryTextOfTheCode()
{
    QFETCH(QString, code);
    const QVector<Message> messages = load(code);
    QVERIFY(!messages.isEmpty());
    QHash<QString, bool> inFile;
    for (const Message &m : messages)
        inFile.insert(m.key(), m.numerus);
    QStringList failures;
    for (const Message &m : qAsConst(m_code)) {
        const auto it = inFile.constFind(m.key());
        if (it == inFile.constEnd())
            failures.append(QLatin1String("missing: ") + m.label());
        else if (it.value() != m.numerus)
            failures.append(QLatin1String("plural form differs: ") + m.label());
    }
    QVERIFY2(failures.isEmpty(), summary(failures).constData());
}

void TranslationFilesTest::filesHoldNoTextTheCodeLacks()
{
    QFETCH(QString, code);
    const QVector<Message> messages = load(code);
    QVERIFY(!messages.isEmpty());
    QStringList failures;
    for (const Message &m : messages) {
        if (!m_codeByKey.contains(m.key()))
            failures.append(QLatin1String("no longer in the code: ") + m.label());
    }
    QVERIFY2(failures.isEmpty(), summary(failures).constData());
}

void TranslationFilesTest::translationsKeepPlaceholdersAndEdges()
{
    QFETCH(QString, code);
    const QVector<Message> messages = load(code);
    QVERIFY(!messages.isEmpty());
    QStringList failures;
    for (const Message &m : messages) {
        const QStringList wanted = placeholders(m.source);
        for (const QString &t : m.translations) {
            if (t.isEmpty())
                continue; // reported by filesAreComplete
            QStringList got = placeholders(t);
            // A plural form may leave out %n ("one line" instead of "1 line").
            if (m.numerus && !got.contains(QLatin1String("%n")))
                got.append(QStringLiteral("%n")), got.sort();
            if (got != wanted)
                failures.append(QLatin1String("placeholders ") + got.join(QLatin1Char(',')) +
                                QLatin1String(": ") + m.label());
            if (leadingBlanks(t) != leadingBlanks(m.source) ||
                trailingBlanks(t) != trailingBlanks(m.source))
                failures.append(QLatin1String("leading or trailing blanks: ") + m.label());
            if (t.count(QLatin1Char('\n')) != m.source.count(QLatin1Char('\n')))
                failures.append(QLatin1String("line count: ") + m.label());
        }
    }
    QVERIFY2(failures.isEmpty(), summary(failures).constData());
}

void TranslationFilesTest::fixedTextsStayAsTheyAre_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");
    const char *const fixed[] = {"Suggested Diagnosis: ",
                                 "\n",
                                 "\n\n",
                                 " ",
                                 ", ",
                                 "D50",
                                 "D65",
                                 "D75",
                                 "CWF",
                                 "A",
                                 "TL84",
                                 "U3000",
                                 "TES",
                                 "Kinnear"};
    for (const char *code : {"fr", "de", "es", "it", "ja", "pt", "zh_Hans", "zh_Hant"}) {
        for (const char *text : fixed) {
            QString name = QString::fromLatin1(text);
            name.replace(QLatin1Char('\n'), QLatin1String("\\n"));
            QTest::newRow(qPrintable(QString::fromLatin1(code) + QLatin1String(" \"") + name +
                                     QLatin1Char('"')))
                << QString::fromLatin1(code) << QString::fromLatin1(text);
        }
    }
}

void TranslationFilesTest::fixedTextsStayAsTheyAre()
{
    QFETCH(QString, code);
    QFETCH(QString, text);
    const QVector<Message> messages = load(code);
    QVERIFY(!messages.isEmpty());
    int seen = 0;
    for (const Message &m : messages) {
        if (m.source != text)
            continue;
        ++seen;
        QCOMPARE(m.translations, QStringList{text});
    }
    // Texts the code no longer marks for translation cannot be translated by mistake.
    if (seen == 0)
        QVERIFY(std::none_of(m_code.cbegin(), m_code.cend(),
                             [&](const Message &m) { return m.source == text; }));
}

void TranslationFilesTest::choiceListsAreFoundUnderBothContexts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("context");
    const std::pair<const char *, Vocabulary::Kind> kinds[] = {
        {"illumination", Vocabulary::Illumination},
        {"location", Vocabulary::Location},
        {"industry", Vocabulary::Industry},
        {"job", Vocabulary::Job},
        {"experience", Vocabulary::Experience}};
    for (const auto &k : kinds) {
        for (const char *context : {"HueTestFormWidget", "preferences"})
            QTest::addRow("%s %s", k.first, context)
                << int(k.second) << QString::fromLatin1(context);
    }
}

// The entry form and the preferences dialog show the same lists, each through
// its own context; both must reach the translators.
void TranslationFilesTest::choiceListsAreFoundUnderBothContexts()
{
    QFETCH(int, kind);
    QFETCH(QString, context);
    const QStringList texts = Vocabulary::sources(Vocabulary::Kind(kind));
    QVERIFY(texts.size() > 1);
    QStringList failures;
    for (const QString &text : texts) {
        if (text.isEmpty())
            continue;
        const QString key = context + QChar(0) + text + QChar(0);
        if (!m_codeByKey.contains(key))
            failures.append(QLatin1String("not marked: ") + context + QLatin1String(" / ") + text);
    }
    QVERIFY2(failures.isEmpty(), summary(failures).constData());
}

QTEST_GUILESS_MAIN(TranslationFilesTest)
#include "tst_translationfiles.moc"
