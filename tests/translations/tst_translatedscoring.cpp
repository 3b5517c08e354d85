// The compiled catalogues at work: the scoring library's class, percentile and
// diagnosis texts follow the installed translation and return to English once
// it is removed.
#include "scoring.h"
#include "vingrys.h"
#include "vkresources.h"
#include "vocabulary.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

namespace {

const QString Nbsp = QString(QChar(0x00A0));

QString percent(int value)
{
    return QString::number(value) + Nbsp + QLatin1Char('%');
}

struct Texts
{
    QString classText, word, unselected, inPlant, experienced;
};

Texts textsFor(int tes)
{
    return {Scoring::classificationText(tes), Scoring::classificationWord(tes),
            Scoring::unselectedPercentile(tes), Scoring::inPlantPercentile(tes),
            Scoring::experiencedPercentile(tes)};
}

} // namespace

class TranslatedScoringTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void everyCatalogueIsCompiledIn_data();
    void everyCatalogueIsCompiledIn();

    void germanClassAndPercentiles_data();
    void germanClassAndPercentiles();

    void germanDiagnoses_data();
    void germanDiagnoses();

    void classTextFollowsTheLanguage_data();
    void classTextFollowsTheLanguage();

    void choiceListsReadTheSameInFormAndPreferences_data();
    void choiceListsReadTheSameInFormAndPreferences();

private:
    QTranslator m_translator;
    bool load(const QString &code);
};

void TranslatedScoringTest::initTestCase()
{
    vkInitResources();
}

void TranslatedScoringTest::cleanup()
{
    QCoreApplication::removeTranslator(&m_translator);
}

bool TranslatedScoringTest::load(const QString &code)
{
    return m_translator.load(QLatin1String("qt_") + code, QStringLiteral(":/translations")) &&
           QCoreApplication::installTranslator(&m_translator);
}

void TranslatedScoringTest::everyCatalogueIsCompiledIn_data()
{
    QTest::addColumn<QString>("code");
    for (const char *code : {"fr", "de", "es", "it", "ja", "pt", "zh_Hans", "zh_Hant"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

void TranslatedScoringTest::everyCatalogueIsCompiledIn()
{
    QFETCH(QString, code);
    QTranslator translator;
    QVERIFY(translator.load(QLatin1String("qt_") + code, QStringLiteral(":/translations")));
    QVERIFY(!translator.isEmpty());
    // The window title is the first text anyone sees.
    const QString title = translator.translate("MainWindow", "Veskora Scoring Software");
    QVERIFY(!title.isEmpty());
    QVERIFY(title != QLatin1String("Veskora Scoring Software"));
}

void TranslatedScoringTest::germanClassAndPercentiles_data()
{
    QTest::addColumn<int>("tes");
    QTest::addColumn<QString>("classText");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("englishClass");
    QTest::addColumn<QString>("englishWord");
    QTest::addColumn<int>("unselected");
    QTest::addColumn<int>("inPlant");
    QTest::addColumn<int>("experienced");

    const QString high = QStringLiteral("Hohes Farbunterscheidungsvermögen");
    const QString mid = QStringLiteral("Mittleres Farbunterscheidungsvermögen");
    const QString low = QStringLiteral("Geringes Farbunterscheidungsvermögen");
    const QString sup = QStringLiteral("Superior Discrimination");
    const QString avg = QStringLiteral("Average Discrimination");
    const QString lowEn = QStringLiteral("Low Discrimination");
    const QString hoch = QStringLiteral("Hoch"), mittel = QStringLiteral("Mittel"),
                  gering = QStringLiteral("Gering");
    const QString supW = QStringLiteral("Superior"), avgW = QStringLiteral("Average"),
                  lowW = QStringLiteral("Low");

    QTest::newRow("0") << 0 << high << hoch << sup << supW << 90 << 90 << 90;
    QTest::newRow("4") << 4 << high << hoch << sup << supW << 90 << 90 << 70;
    QTest::newRow("16") << 16 << high << hoch << sup << supW << 80 << 70 << 30;
    QTest::newRow("17") << 17 << mid << mittel << avg << avgW << 80 << 60 << 20;
    QTest::newRow("46") << 46 << mid << mittel << avg << avgW << 50 << 10 << 0;
    QTest::newRow("100") << 100 << mid << mittel << avg << avgW << 10 << 0 << 0;
    QTest::newRow("101") << 101 << low << gering << lowEn << lowW << 10 << 0 << 0;
    QTest::newRow("121") << 121 << low << gering << lowEn << lowW << 0 << 0 << 0;
    QTest::newRow("-4") << -4 << low << gering << lowEn << lowW << 90 << 90 << 90;
}

void TranslatedScoringTest::germanClassAndPercentiles()
{
    QFETCH(int, tes);
    QFETCH(QString, classText);
    QFETCH(QString, word);
    QFETCH(QString, englishClass);
    QFETCH(QString, englishWord);
    QFETCH(int, unselected);
    QFETCH(int, inPlant);
    QFETCH(int, experienced);

    QVERIFY(load(QStringLiteral("de")));
    const Texts german = textsFor(tes);
    QCOMPARE(german.classText, classText);
    QCOMPARE(german.word, word);
    // German sets a space between number and percent sign; a no-break one keeps them together.
    QCOMPARE(german.unselected, percent(unselected));
    QCOMPARE(german.inPlant, percent(inPlant));
    QCOMPARE(german.experienced, percent(experienced));

    QVERIFY(QCoreApplication::removeTranslator(&m_translator));
    const Texts english = textsFor(tes);
    QCOMPARE(english.classText, englishClass);
    QCOMPARE(english.word, englishWord);
    QCOMPARE(english.unselected, QString::number(unselected) + QLatin1Char('%'));
    QCOMPARE(english.inPlant, QString::number(inPlant) + QLatin1Char('%'));
    QCOMPARE(english.experienced, QString::number(experienced) + QLatin1Char('%'));
}

void TranslatedScoringTest::germanDiagnoses_data()
{
    QTest::addColumn<int>("diagnosis");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");
    QTest::newRow("protan") << int(Vingrys::Diagnosis::Protan) << QStringLiteral("Protan-Defekt")
                            << QStringLiteral("Protan");
    QTest::newRow("deutan") << int(Vingrys::Diagnosis::Duetan) << QStringLiteral("Deutan-Defekt")
                            << QStringLiteral("Duetan");
    QTest::newRow("tritan") << int(Vingrys::Diagnosis::Tritan) << QStringLiteral("Tritan-Defekt")
                            << QStringLiteral("Tritan");
    QTest::newRow("ambiguous") << int(Vingrys::Diagnosis::Ambiguous)
                               << QStringLiteral("Uneindeutiger Defekt")
                               << QStringLiteral("Ambigious Deficiency");
}

void TranslatedScoringTest::germanDiagnoses()
{
    QFETCH(int, diagnosis);
    QFETCH(QString, german);
    QFETCH(QString, english);
    const auto d = Vingrys::Diagnosis(diagnosis);
    QVERIFY(load(QStringLiteral("de")));
    QCOMPARE(Vingrys::diagnosisText(d), german);
    QVERIFY(QCoreApplication::removeTranslator(&m_translator));
    QCOMPARE(Vingrys::diagnosisText(d), english);
}

void TranslatedScoringTest::classTextFollowsTheLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("superior");
    QTest::addColumn<QString>("percent");
    QTest::newRow("fr") << QStringLiteral("fr")
                        << QStringLiteral("Discrimination chromatique supérieure") << percent(90);
    QTest::newRow("de") << QStringLiteral("de")
                        << QStringLiteral("Hohes Farbunterscheidungsvermögen") << percent(90);
    QTest::newRow("es") << QStringLiteral("es")
                        << QStringLiteral("Discriminación cromática superior") << percent(90);
    QTest::newRow("it") << QStringLiteral("it")
                        << QStringLiteral("Discriminazione cromatica superiore")
                        << QStringLiteral("90%");
}

// Each of the four catalogues replaces the English text, and removing it restores it.
void TranslatedScoringTest::classTextFollowsTheLanguage()
{
    QFETCH(QString, code);
    QFETCH(QString, superior);
    QFETCH(QString, percent);
    QVERIFY(load(code));
    QCOMPARE(Scoring::classificationText(0), superior);
    QCOMPARE(Scoring::unselectedPercentile(0), percent);
    QVERIFY(QCoreApplication::removeTranslator(&m_translator));
    QCOMPARE(Scoring::classificationText(0), QStringLiteral("Superior Discrimination"));
}

void TranslatedScoringTest::choiceListsReadTheSameInFormAndPreferences_data()
{
    everyCatalogueIsCompiledIn_data();
}

// The preferences pick new-record defaults from the same lists the entry form
// shows; both must offer the same words, and translated ones.
void TranslatedScoringTest::choiceListsReadTheSameInFormAndPreferences()
{
    QFETCH(QString, code);
    QVERIFY(load(code));
    for (const auto kind : {Vocabulary::Illumination, Vocabulary::Location, Vocabulary::Industry,
                            Vocabulary::Job, Vocabulary::Experience}) {
        const QStringList form = Vocabulary::translated(kind, "HueTestFormWidget");
        const QStringList prefs = Vocabulary::translated(kind, "preferences");
        QCOMPARE(prefs, form);
        QCOMPARE(prefs.size(), Vocabulary::sources(kind).size());
    }
    // "Other" closes the illumination list; the codes before it stay as they are.
    const QStringList illumination =
        Vocabulary::translated(Vocabulary::Illumination, "preferences");
    QCOMPARE(illumination.mid(0, 8), Vocabulary::sources(Vocabulary::Illumination).mid(0, 8));
    QVERIFY(illumination.last() != QLatin1String("Other"));
    QVERIFY(Vocabulary::translated(Vocabulary::Location, "preferences") !=
            Vocabulary::sources(Vocabulary::Location));
}

QTEST_GUILESS_MAIN(TranslatedScoringTest)
#include "tst_translatedscoring.moc"
