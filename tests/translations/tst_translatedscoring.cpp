// The compiled catalogues at work: each language's class, percentile and diagnosis
// texts follow the installed translation and return to English once it is removed.
#include "scoring.h"
#include "vingrys.h"
#include "vkresources.h"
#include "vocabulary.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

class TranslatedScoringTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { vkInitResources(); }
    void textsFollowTheLanguage_data();
    void textsFollowTheLanguage();
};

void TranslatedScoringTest::textsFollowTheLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("tes");
    QTest::addColumn<int>("diagnosis");
    // Class, class word, unselected, in-plant and experienced percentiles, diagnosis.
    QTest::addColumn<QString>("texts");
    using D = Vingrys::Diagnosis;
    // " %" stands for the no-break space French, German and Spanish set before the sign.
    QTest::newRow("de 0") << "de" << 0 << int(D::Protan)
                          << "Hohes Farbunterscheidungsvermögen|Hoch|90 %|90 %|90 %|Protan-Defekt";
    QTest::newRow("de 17") << "de" << 17 << int(D::Duetan)
                           << "Mittleres Farbunterscheidungsvermögen|Mittel|80 %|60 %|20 %|"
                              "Deutan-Defekt";
    QTest::newRow("de 101") << "de" << 101 << int(D::Tritan)
                            << "Geringes Farbunterscheidungsvermögen|Gering|10 %|0 %|0 %|"
                               "Tritan-Defekt";
    QTest::newRow("fr") << "fr" << 0 << int(D::Ambiguous)
                        << "Discrimination chromatique supérieure|Supérieure|90 %|90 %|90 %|"
                           "Déficit ambigu";
    QTest::newRow("es") << "es" << 17 << int(D::Protan)
                        << "Discriminación cromática media|Media|80 %|60 %|20 %|Protán";
    QTest::newRow("it") << "it" << 101 << int(D::Duetan)
                        << "Discriminazione cromatica bassa|Bassa|10%|0%|0%|Deutan";
    QTest::newRow("ja") << "ja" << 0 << int(D::Tritan)
                        << "優れた色彩識別能力|優秀|90%|90%|90%|3型色覚";
    QTest::newRow("pt") << "pt" << 17 << int(D::Ambiguous)
                        << "Discriminação cromática média|Média|80%|60%|20%|"
                           "Deficiência de tipo indefinido";
    QTest::newRow("zh_Hans") << "zh_Hans" << 101 << int(D::Protan)
                             << "辨色能力较低|较低|10%|0%|0%|红色觉异常（第一型）";
    QTest::newRow("zh_Hant") << "zh_Hant" << 0 << int(D::Duetan)
                             << "辨色能力優異|優異|90%|90%|90%|綠色覺異常（第二型）";
}

void TranslatedScoringTest::textsFollowTheLanguage()
{
    QFETCH(QString, code);
    QFETCH(int, tes);
    QFETCH(int, diagnosis);
    QFETCH(QString, texts);
    const auto shown = [&] {
        return QStringList{Scoring::classificationText(tes),
                           Scoring::classificationWord(tes),
                           Scoring::unselectedPercentile(tes),
                           Scoring::inPlantPercentile(tes),
                           Scoring::experiencedPercentile(tes),
                           Vingrys::diagnosisText(Vingrys::Diagnosis(diagnosis))}
            .join(QLatin1Char('|'));
    };
    const QString english = shown();
    QTranslator translator;
    QVERIFY(translator.load(QLatin1String("qt_") + code, QStringLiteral(":/translations")));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCOMPARE(shown(), texts.replace(QStringLiteral(" %"), QStringLiteral("\u00a0%")));
    // The preferences offer the entry form's choice lists, under their own context.
    for (const auto kind : {Vocabulary::Illumination, Vocabulary::Location, Vocabulary::Industry,
                            Vocabulary::Job, Vocabulary::Experience})
        QCOMPARE(Vocabulary::translated(kind, "preferences"), Vocabulary::translated(kind));
    QVERIFY(Vocabulary::translated(Vocabulary::Location) !=
            Vocabulary::sources(Vocabulary::Location));
    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QCOMPARE(shown(), english);
}

QTEST_GUILESS_MAIN(TranslatedScoringTest)
#include "tst_translatedscoring.moc"
