// The translation sources of the eight interface languages against the code:
// every text the code marks must be there and translated, nothing stale may
// linger, and the translations must keep what the code glues them together with.
#include "testsupport.h"

#include <QtTest>

namespace {

QString tsPath(const QString &dir, const QString &code)
{
    return dir + QLatin1String("/qt_") + code + QLatin1String(".ts");
}

// What the code glues a text together by: placeholders (a plural form may leave out
// %n: "one line" instead of "1 line"), blanks at either end and line breaks.
QString shape(const QString &text, bool numerus)
{
    static const QRegularExpression glue(QStringLiteral("%[1-9n]|^\\s+|\\s+$|\n"));
    QStringList parts;
    for (auto it = glue.globalMatch(text); it.hasNext();)
        parts.append(it.next().captured());
    if (numerus)
        parts.removeAll(QStringLiteral("%n"));
    parts.sort();
    return parts.join(QLatin1Char('|'));
}

// Codes and report labels every language shows as they are.
const QStringList Fixed = TestSupport::texts(
    {"Suggested Diagnosis: ", "D50", "D65", "D75", "CWF", "A", "TL84", "U3000", "TES", "Kinnear"});
const QStringList Codes =
    TestSupport::texts({"fr", "de", "es", "it", "ja", "pt", "zh_Hans", "zh_Hant"});
const QString Sources = QStringLiteral(VK_SOURCE_DIR "/resources/translations");

} // namespace

class TranslationFilesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir refreshed;

private slots:
    // Copies of the files, refreshed from the code as the lupdate target does.
    void initTestCase()
    {
        QStringList args =
            QStringLiteral("-no-obsolete -locations none -silent").split(QLatin1Char(' '));
        for (const QString &d : QStringLiteral(VK_CODE_DIRS).split(QLatin1Char(',')))
            args.append(QLatin1String(VK_SOURCE_DIR "/") + d);
        args.append(QStringLiteral("-ts"));
        for (const QString &code : Codes) {
            QVERIFY(QFile::copy(tsPath(Sources, code), tsPath(refreshed.path(), code)));
            args.append(tsPath(refreshed.path(), code));
        }
        QProcess lupdate;
        lupdate.start(QStringLiteral(VK_LUPDATE), args);
        QVERIFY2(lupdate.waitForFinished(120000) && lupdate.exitStatus() == QProcess::NormalExit &&
                     lupdate.exitCode() == 0,
                 lupdate.readAllStandardError().constData());
    }

    void filesAreComplete()
    {
        // The files are as lupdate writes them, so their layout can be read by pattern.
        static const QRegularExpression message(
            QStringLiteral("<message( numerus=\"yes\")?>.*?<source>(.*?)</source>.*?"
                           "<translation([^>]*)>(.*?)</translation>"),
            QRegularExpression::DotMatchesEverythingOption),
            form(QStringLiteral("\\s*</?numerusform>\\s*"));
        QStringList failures;
        for (const QString &code : Codes) {
            QFile file(tsPath(Sources, code)), refresh(tsPath(refreshed.path(), code));
            QVERIFY(file.open(QIODevice::ReadOnly) && refresh.open(QIODevice::ReadOnly));
            const QByteArray text = file.readAll();
            // A text the code gained, lost or made plural changes the file.
            if (refresh.readAll() != text)
                failures.append(code + QLatin1String(": not up to date, run the lupdate target"));
            for (auto it = message.globalMatch(QString::fromUtf8(text)); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                const bool numerus = !m.captured(1).isEmpty();
                const QString source = m.captured(2);
                // Plural forms: every second piece between the form tags.
                QStringList translations = m.captured(4).split(form);
                for (int i = 0; numerus && i < translations.size(); ++i)
                    translations.removeAt(i);
                QString wrong = m.captured(3); // type="unfinished"
                for (const QString &t : (numerus ? translations : QStringList{m.captured(4)})) {
                    if (t.isEmpty())
                        wrong += QLatin1String(" untranslated");
                    else if (shape(t, numerus) != shape(source, numerus))
                        wrong += QLatin1String(" glue: ") + shape(t, numerus);
                    if (Fixed.contains(source) && t != source)
                        wrong += QLatin1String(" must stay as it is");
                }
                if (!wrong.isEmpty())
                    failures.append(code + QLatin1Char(':') + wrong + QLatin1String(" | ") +
                                    source);
            }
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.mid(0, 12).join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TranslationFilesTest)
#include "tst_translationfiles.moc"
