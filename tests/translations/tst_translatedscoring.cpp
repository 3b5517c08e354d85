// The compiled catalogues at work: each language's class, percentile and diagnosis
// texts follow the installed translation and return to English once it is removed.
#include "scoring.h"
#include "vingrys.h"
#include "vkresources.h"
#include "vocabulary.h"

#include <QtTest>

class TranslatedScoringTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { vkInitResources(); }

    void textsFollowTheLanguage_data()
    {
        QTest::addColumn<int>("tes");
        QTest::addColumn<int>("diagnosis");
        QTest::addColumn<QString>("texts"); // class, class word, percentile, diagnosis
        const auto row = [](const char *code, int tes, Vingrys::Diagnosis d, const char *texts) {
            QTest::newRow(code) << tes << int(d) << QString::fromUtf8(texts);
        };
        using D = Vingrys::Diagnosis;
        // " %": French, German and Spanish set a no-break space before the sign.
        row("de", 0, D::Protan, "Hohes Farbunterscheidungsvermögen|Hoch|90 %|Protan-Defekt");
        row("fr", 17, D::Tritan, "Discrimination chromatique moyenne|Moyenne|60 %|Tritan");
        row("es", 101, D::Duetan, "Discriminación cromática baja|Baja|0 %|Deután");
        row("it", 0, D::Protan, "Discriminazione cromatica superiore|Superiore|90%|Protan");
        row("ja", 17, D::Protan, "平均的な色彩識別能力|平均|60%|1型色覚");
        row("pt", 101, D::Duetan, "Discriminação cromática baixa|Baixa|0%|Deutan");
        row("zh_Hans", 0, D::Ambiguous, "辨色能力优秀|优秀|90%|类型不明确的色觉异常");
        row("zh_Hant", 17, D::Tritan, "辨色能力中等|平均|60%|藍黃色覺異常（第三型）");
    }
    void textsFollowTheLanguage()
    {
        QFETCH(int, tes);
        QFETCH(int, diagnosis);
        QFETCH(QString, texts);
        const auto shown = [&] {
            return QStringList{Scoring::classificationText(tes), Scoring::classificationWord(tes),
                               Scoring::inPlantPercentile(tes),
                               Vingrys::diagnosisText(Vingrys::Diagnosis(diagnosis))}
                .join(QLatin1Char('|'));
        };
        const QString english = shown();
        QTranslator translator;
        QVERIFY(translator.load(QLatin1String("qt_") + QLatin1String(QTest::currentDataTag()),
                                QStringLiteral(":/translations")));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QCOMPARE(shown(), texts.replace(QStringLiteral(" %"), QStringLiteral("\u00a0%")));
        // The preferences offer the entry form's choice lists, under their own context.
        for (const auto kind : {Vocabulary::Illumination, Vocabulary::Location,
                                Vocabulary::Industry, Vocabulary::Job, Vocabulary::Experience})
            QCOMPARE(Vocabulary::translated(kind, "preferences"), Vocabulary::translated(kind));
        QVERIFY(Vocabulary::translated(Vocabulary::Location) !=
                Vocabulary::sources(Vocabulary::Location));
        QVERIFY(QCoreApplication::removeTranslator(&translator));
        QCOMPARE(shown(), english);
    }
};

QTEST_GUILESS_MAIN(TranslatedScoringTest)
#include "tst_translatedscoring.moc"
