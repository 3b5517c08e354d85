#include "database.h"
#include "labelimagedisplay.h"
#include "preferences.h"
#include "testsupport.h"
#include "vkresources.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

// Answers the next message box with Ok and remembers its text.
class MessageBoxAnswer
{
public:
    MessageBoxAnswer() { poll(); }
    QString text() const { return seen; }
    bool answered() const { return done; }

private:
    void poll()
    {
        QTimer::singleShot(10, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen = box->text();
                done = true;
                box->button(QMessageBox::Ok)->click();
            } else if (++attempts < 300) {
                poll();
            }
        });
    }
    QString seen;
    bool done = false;
    int attempts = 0;
};

QList<bool> switchesOff()
{
    return QVector<bool>(16, false).toList();
}

using TestSupport::child;

} // namespace

class tst_preferences : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void freshDatabaseOpensEmpty();
    void kinnearActsAtOnceAndIsNotStored();
    void okStoresEachSwitch_data();
    void okStoresEachSwitch();
    void okStoresDefaultsAndFooterText();
    void tickThenCancelIsSentOnlyAtOk();
    void cancelSendsShownDefaultsWithoutStoring();
    void languageActsAtOnce();
    void storedLanguageOutOfRangeMeansEnglish();
    void languageIndexForLocale_data();
    void languageIndexForLocale();
    void resetDefaultsUnderGermanLocale();
    void execReturnsAtOnce();
    void retranslateKeepsPositions();
    void logoCancelledChoiceKeepsPicture();
    void chosenLogoStoredAndHandedToReports();
    void settingsWriteFailureIsReported();
    void capSetAddEditRemove();
    void duplicateSerialsChangeTogether();
    void emptyCapSetCanBeRegistered();
    void editCancelThenAddAddsNew();
    void serialDefaultKeepsItsPosition();
    void removingTheDefaultFallsBackToEmpty();
    void capSetWriteFailureIsReported();
    void registerReachesFormsOnCancel();

private:
    std::unique_ptr<preferences> openDialog();
    void addCapSet(preferences &p, const QString &serial, const QString &date);
    QTableWidget *table(preferences &p) { return child<QTableWidget>(p, "capSetsTableView"); }
    QStringList column0(preferences &p);

    QString languageCode;
};

void tst_preferences::init()
{
    TestSupport::useFreshDatabase();
    languageCode = QStringLiteral("en");
}

void tst_preferences::cleanup()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    labelImageDisplay::setFileChooser({});
}

std::unique_ptr<preferences> tst_preferences::openDialog()
{
    auto p = std::make_unique<preferences>();
    p->setLanguageCodeTarget(&languageCode);
    p->initPreferences();
    p->loadSettings();
    return p;
}

void tst_preferences::addCapSet(preferences &p, const QString &serial, const QString &date)
{
    child<QPushButton>(p, "addSerialButton")->click();
    auto *serialEdit = child<QLineEdit>(p, "serialNumLineEdit");
    auto *dateEdit = child<QLineEdit>(p, "purchaseDateLineEdit");
    serialEdit->clear();
    dateEdit->clear();
    QTest::keyClicks(serialEdit, serial);
    QTest::keyClicks(dateEdit, date);
    p.findChild<QDialog *>(QStringLiteral("serialNumDialog"))
        ->findChild<QPushButton *>(QStringLiteral("okButton"))
        ->click();
}

QStringList tst_preferences::column0(preferences &p)
{
    QStringList list;
    QTableWidget *t = table(p);
    for (int row = 0; row < t->rowCount(); ++row)
        list << t->item(row, 0)->text();
    return list;
}

void tst_preferences::freshDatabaseOpensEmpty()
{
    auto p = openDialog();
    QVERIFY(child<QPushButton>(*p, "standardScoringButton")->isChecked());
    QVERIFY(!child<QPushButton>(*p, "kinnearScoringButton")->isChecked());
    QCOMPARE(p->getScoringMode(), QStringLiteral("Standard"));
    const QList<QCheckBox *> boxes = p->findChildren<QCheckBox *>();
    QCOMPARE(boxes.size(), 16);
    for (QCheckBox *box : boxes) {
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
        QVERIFY(box->text().isEmpty());
    }
    QCOMPARE(p->getAnalysisOptions(), switchesOff());
    QCOMPARE(child<QComboBox>(*p, "languageComboBox")->currentIndex(), 0);
    QCOMPARE(languageCode, QStringLiteral("en"));
    QCOMPARE(p->getFormDefaults(), TestSupport::texts({"0", "0", "0", "0", "0", "0"}));
    QCOMPARE(child<QPlainTextEdit>(*p, "footerTextEdit")->toPlainText(), QString());
    QCOMPARE(p->getFooterText(), QString());
    QCOMPARE(p->getFooterImgPath(), QString());
    QCOMPARE(p->getSerialNumbers(), QStringList());
    QCOMPARE(child<QComboBox>(*p, "serialNumCombobox")->count(), 1);
    QCOMPARE(table(*p)->rowCount(), 0);
    QCOMPARE(p->windowTitle(), QStringLiteral("Preferences"));
}

void tst_preferences::kinnearActsAtOnceAndIsNotStored()
{
    auto p = openDialog();
    QSignalSpy scoring(p.get(), &preferences::updateScoringSignal);
    QSignalSpy defaults(p.get(), &preferences::updateTestFormDefaultsSignal);
    child<QPushButton>(*p, "kinnearScoringButton")->click();
    QCOMPARE(scoring.count(), 1);
    QCOMPARE(p->getScoringMode(), QStringLiteral("Kinnear"));
    QVERIFY(!child<QPushButton>(*p, "standardScoringButton")->isChecked());

    child<QPushButton>(*p, "cancelButton")->click();
    QCOMPARE(defaults.count(), 1);
    QCOMPARE(p->getScoringMode(), QStringLiteral("Kinnear"));
    QCOMPARE(database::instance()->getSettings().scoreMode, false);

    auto restarted = openDialog();
    QCOMPARE(restarted->getScoringMode(), QStringLiteral("Standard"));

    // Stored at the next Ok.
    p->okClicked();
    QCOMPARE(database::instance()->getSettings().scoreMode, true);
    QCOMPARE(openDialog()->getScoringMode(), QStringLiteral("Kinnear"));
}

void tst_preferences::okStoresEachSwitch_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("position");
    const char *const rows[] = {"Time",           "TES",          "SqrtTES",      "Vingrys",
                                "Classification", "PercentageFT", "PercentageSE", "PercentageE"};
    for (int i = 0; i < 8; ++i) {
        const QString report =
            QStringLiteral("report") + QLatin1String(rows[i]) + QStringLiteral("Checkbox");
        const QString gui =
            QStringLiteral("gui") + QLatin1String(rows[i]) + QStringLiteral("Checkbox");
        QTest::newRow(qPrintable(report)) << report << i;
        QTest::newRow(qPrintable(gui)) << gui << i + 8;
    }
}

void tst_preferences::okStoresEachSwitch()
{
    QFETCH(QString, box);
    QFETCH(int, position);

    auto p = openDialog();
    QSignalSpy options(p.get(), &preferences::updateAnalysisOptionsSignal);
    p->findChild<QCheckBox *>(box)->setChecked(true);
    p->okClicked();
    QCOMPARE(options.count(), 1);

    QList<bool> expected = switchesOff();
    expected[position] = true;
    QCOMPARE(p->getAnalysisOptions(), expected);
    QCOMPARE(database::instance()->getSettings().analysisSwitches(), expected);

    auto restarted = openDialog();
    QCOMPARE(restarted->getAnalysisOptions(), expected);
    QVERIFY(restarted->findChild<QCheckBox *>(box)->isChecked());
}

void tst_preferences::okStoresDefaultsAndFooterText()
{
    database::instance()->insertSerialNum(QStringLiteral("11"), QStringLiteral("1/1/2020"));
    database::instance()->insertSerialNum(QStringLiteral("22"), QStringLiteral("2/2/2022"));
    auto p = openDialog();
    QSignalSpy order(p.get(), &preferences::updateTestFormDefaultsSignal);
    QSignalSpy lang(p.get(), &preferences::langChanged);
    QSignalSpy scoring(p.get(), &preferences::updateScoringSignal);
    child<QComboBox>(*p, "illuminationCombobox")->setCurrentIndex(8);
    child<QComboBox>(*p, "locationCombobox")->setCurrentIndex(7);
    child<QComboBox>(*p, "industryCombobox")->setCurrentIndex(24);
    child<QComboBox>(*p, "jobCombobox")->setCurrentIndex(5);
    child<QComboBox>(*p, "experienceCombobox")->setCurrentIndex(3);
    child<QComboBox>(*p, "serialNumCombobox")->setCurrentIndex(2);
    child<QPlainTextEdit>(*p, "footerTextEdit")->setPlainText(QStringLiteral("Lab 7\nRoom 2"));
    child<QPushButton>(*p, "okButton")->click();
    QCOMPARE(order.count(), 1);
    QCOMPARE(lang.count(), 0);
    QCOMPARE(scoring.count(), 0);

    const SettingsRecord s = database::instance()->getSettings();
    QCOMPARE(s.illumination, 8);
    QCOMPARE(s.location, 7);
    QCOMPARE(s.industry, 24);
    QCOMPARE(s.job, 5);
    QCOMPARE(s.experience, 3);
    QCOMPARE(s.serialNum, 2);
    QCOMPARE(s.footerText, QStringLiteral("Lab 7\nRoom 2"));
    QCOMPARE(s.language, 0);

    auto restarted = openDialog();
    QCOMPARE(restarted->getFormDefaults(), TestSupport::texts({"8", "7", "24", "5", "3", "2"}));
    QCOMPARE(restarted->getFooterText(), QStringLiteral("Lab 7\nRoom 2"));
    QCOMPARE(child<QComboBox>(*restarted, "serialNumCombobox")->currentText(),
             QStringLiteral("22"));
}

void tst_preferences::tickThenCancelIsSentOnlyAtOk()
{
    auto p = openDialog();
    QSignalSpy options(p.get(), &preferences::updateAnalysisOptionsSignal);
    child<QCheckBox>(*p, "reportVingrysCheckbox")->setChecked(true);
    p->cancelClicked();
    QCOMPARE(options.count(), 0);
    QVERIFY(!database::instance()->getSettings().vingrysReport);

    p->exec();
    p->okClicked();
    QCOMPARE(options.count(), 1);
    QVERIFY(database::instance()->getSettings().vingrysReport);
    QCOMPARE(p->getAnalysisOptions().at(3), true);
}

void tst_preferences::cancelSendsShownDefaultsWithoutStoring()
{
    auto p = openDialog();
    QSignalSpy defaults(p.get(), &preferences::updateTestFormDefaultsSignal);
    auto *ill = child<QComboBox>(*p, "illuminationCombobox");
    ill->setCurrentIndex(ill->findText(QStringLiteral("D65")));
    // Closing the window counts as Cancel.
    p->exec();
    p->close();
    QCOMPARE(defaults.count(), 1);
    QVERIFY(!p->isVisible());
    QCOMPARE(p->getFormDefaults().first(), QStringLiteral("2"));
    QCOMPARE(ill->currentText(), QStringLiteral("D65"));
    QCOMPARE(database::instance()->getSettings().illumination, 0);
    QCOMPARE(openDialog()->getFormDefaults().first(), QStringLiteral("0"));
}

void tst_preferences::languageActsAtOnce()
{
    auto p = openDialog();
    QSignalSpy lang(p.get(), &preferences::langChanged);
    child<QComboBox>(*p, "languageComboBox")->setCurrentIndex(4);
    QCOMPARE(lang.count(), 1);
    QCOMPARE(languageCode, QStringLiteral("ja"));
    QCOMPARE(database::instance()->getSettings().language, 0);
    p->okClicked();
    QCOMPARE(database::instance()->getSettings().language, 4);

    QString restartedCode = QStringLiteral("en");
    preferences restarted;
    restarted.setLanguageCodeTarget(&restartedCode);
    restarted.initPreferences();
    QCOMPARE(restartedCode, QStringLiteral("ja"));
    QSignalSpy loaded(&restarted, &preferences::langChanged);
    restarted.loadSettings();
    QVERIFY(loaded.count() >= 1);
    QCOMPARE(restartedCode, QStringLiteral("ja"));
}

void tst_preferences::storedLanguageOutOfRangeMeansEnglish()
{
    SettingsRecord s;
    s.language = 12;
    QVERIFY(database::instance()->updateSettings(s));
    languageCode = QStringLiteral("fr");
    auto p = openDialog();
    QCOMPARE(languageCode, QStringLiteral("en"));
    QCOMPARE(preferences::languageCode(-1), QStringLiteral("en"));
    QCOMPARE(preferences::languageCode(9), QStringLiteral("en"));
    QCOMPARE(preferences::languageCode(8), QStringLiteral("zh_Hant"));
}

void tst_preferences::languageIndexForLocale_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("index");
    QTest::newRow("Chinese") << int(QLocale::Chinese) << 7;
    QTest::newRow("French") << int(QLocale::French) << 1;
    QTest::newRow("German") << int(QLocale::German) << 2;
    QTest::newRow("Italian") << int(QLocale::Italian) << 3;
    QTest::newRow("Japanese") << int(QLocale::Japanese) << 4;
    QTest::newRow("Portuguese") << int(QLocale::Portuguese) << 5;
    QTest::newRow("Spanish") << int(QLocale::Spanish) << 6;
    QTest::newRow("English") << int(QLocale::English) << 0;
    QTest::newRow("Dutch") << int(QLocale::Dutch) << 0;
    // The C/POSIX locale names no language: English, not the last entry of the list.
    QTest::newRow("C locale") << int(QLocale::C) << 0;
    QTest::newRow("any language") << int(QLocale::AnyLanguage) << 0;
}

void tst_preferences::languageIndexForLocale()
{
    QFETCH(int, language);
    QFETCH(int, index);
    QCOMPARE(preferences::languageIndexFor(QLocale::Language(language)), index);
}

void tst_preferences::resetDefaultsUnderGermanLocale()
{
    auto p = openDialog();
    child<QPushButton>(*p, "kinnearScoringButton")->click();
    child<QCheckBox>(*p, "guiTimeCheckbox")->setChecked(true);
    child<QComboBox>(*p, "jobCombobox")->setCurrentIndex(3);
    child<QPlainTextEdit>(*p, "footerTextEdit")->setPlainText(QStringLiteral("x"));
    labelImageDisplay::setFileChooser([](QWidget *) { return QStringLiteral("/tmp/logo.png"); });
    child<labelImageDisplay>(*p, "logoSelection")->labelClicked();

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QSignalSpy lang(p.get(), &preferences::langChanged);
    QSignalSpy scoring(p.get(), &preferences::updateScoringSignal);
    child<QPushButton>(*p, "defaultsButton")->click();
    QVERIFY(lang.count() >= 1);
    QCOMPARE(scoring.count(), 0);
    QCOMPARE(languageCode, QStringLiteral("de"));
    QCOMPARE(child<QComboBox>(*p, "languageComboBox")->currentIndex(), 2);
    QCOMPARE(p->getScoringMode(), QStringLiteral("Standard"));
    QList<bool> expected = switchesOff();
    expected[1] = expected[4] = expected[9] = expected[12] = true; // TES and class, both
    QCOMPARE(p->getAnalysisOptions(), expected);
    QCOMPARE(p->getFormDefaults(), TestSupport::texts({"0", "0", "0", "0", "0", "0"}));
    QCOMPARE(child<QPlainTextEdit>(*p, "footerTextEdit")->toPlainText(), QString());
    // The picker is left alone.
    QCOMPARE(child<labelImageDisplay>(*p, "logoSelection")->getImagePath(),
             QStringLiteral("/tmp/logo.png"));
    QCOMPARE(database::instance()->getSettings().language, 0);

    p->okClicked();
    const SettingsRecord s = database::instance()->getSettings();
    QCOMPARE(s.language, 2);
    QCOMPARE(s.scoreMode, false);
    QCOMPARE(s.analysisSwitches(), expected);
    QCOMPARE(s.job, 0);
}

void tst_preferences::execReturnsAtOnce()
{
    auto p = openDialog();
    child<QComboBox>(*p, "locationCombobox")->setCurrentIndex(3);
    QCOMPARE(p->exec(), 0);
    QVERIFY(p->isVisible());
    QCOMPARE(p->windowModality(), Qt::ApplicationModal);
    // Showing again reloads nothing.
    QCOMPARE(child<QComboBox>(*p, "locationCombobox")->currentIndex(), 3);
    p->okClicked();
    QVERIFY(!p->isVisible());
}

void tst_preferences::retranslateKeepsPositions()
{
    database::instance()->insertSerialNum(QStringLiteral("1"), QStringLiteral("1/1/2021"));
    auto p = openDialog();
    child<QComboBox>(*p, "industryCombobox")->setCurrentIndex(9);
    child<QComboBox>(*p, "serialNumCombobox")->setCurrentIndex(1);
    child<QComboBox>(*p, "languageComboBox")->setCurrentIndex(2);
    p->retranslate();
    QCOMPARE(child<QComboBox>(*p, "industryCombobox")->count(), 25);
    QCOMPARE(child<QComboBox>(*p, "industryCombobox")->currentIndex(), 9);
    QCOMPARE(child<QComboBox>(*p, "languageComboBox")->itemText(2), QStringLiteral("Deutsch"));
    QCOMPARE(p->getFormDefaults().at(5), QStringLiteral("1"));
    QCOMPARE(table(*p)->rowCount(), 1);
    QCOMPARE(table(*p)->horizontalHeaderItem(0)->text(), QStringLiteral("Serial Number"));

    // After a change of language the cap-set table's headers show whole.
    vkInitResources();
    QTranslator german;
    QVERIFY(german.load(QStringLiteral("qt_de.qm"), QStringLiteral(":/translations")));
    QCoreApplication::installTranslator(&german);
    p->retranslate();
    QCoreApplication::removeTranslator(&german);
    QHeaderView *header = table(*p)->horizontalHeader();
    QCOMPARE(table(*p)->horizontalHeaderItem(0)->text(), QStringLiteral("Seriennummer"));
    for (int column = 0; column < 2; ++column)
        QVERIFY2(header->sectionSize(column) >= header->sectionSizeHint(column),
                 qPrintable(table(*p)->horizontalHeaderItem(column)->text()));
}

void tst_preferences::logoCancelledChoiceKeepsPicture()
{
    const QString logo = QDir(TestSupport::tempDir()).filePath(QStringLiteral("logo.png"));
    QImage img(40, 20, QImage::Format_RGB32);
    img.fill(Qt::green);
    QVERIFY(img.save(logo));
    SettingsRecord s;
    s.footerImgPath = logo;
    QVERIFY(database::instance()->updateSettings(s));

    auto p = openDialog();
    auto *picker = child<labelImageDisplay>(*p, "logoSelection");
    QCOMPARE(picker->getImagePath(), logo);
    QCOMPARE(picker->getImage().size(), QSize(40, 20));
    QCOMPARE(p->getFooterImgPath(), logo);

    labelImageDisplay::setFileChooser([](QWidget *) { return QString(); });
    QTest::mouseClick(picker, Qt::LeftButton);
    QCOMPARE(picker->getImagePath(), logo);
    QCOMPARE(picker->getImage().size(), QSize(40, 20));
    p->okClicked();
    QCOMPARE(database::instance()->getSettings().footerImgPath, logo);
}

void tst_preferences::chosenLogoStoredAndHandedToReports()
{
    const QString logo = QDir(TestSupport::tempDir()).filePath(QStringLiteral("chosen.png"));
    QImage img(10, 10, QImage::Format_RGB32);
    img.fill(Qt::yellow);
    QVERIFY(img.save(logo));

    auto p = openDialog();
    labelImageDisplay::setFileChooser([&](QWidget *) { return logo; });
    QTest::mouseClick(child<labelImageDisplay>(*p, "logoSelection"), Qt::LeftButton);
    // Nothing is stored or reported before Ok.
    QCOMPARE(p->getFooterImgPath(), QString());
    p->cancelClicked();
    QCOMPARE(database::instance()->getSettings().footerImgPath, QString());

    p->okClicked();
    QCOMPARE(database::instance()->getSettings().footerImgPath, logo);
    QCOMPARE(p->getFooterImgPath(), logo);
    QCOMPARE(openDialog()->getFooterImgPath(), logo);
}

void tst_preferences::settingsWriteFailureIsReported()
{
    auto p = openDialog();
    {
        QSqlQuery q(database::instance()->currentConnection());
        QVERIFY(q.exec(QStringLiteral("DROP TABLE settings")));
    }
    QSignalSpy defaults(p.get(), &preferences::updateTestFormDefaultsSignal);
    child<QCheckBox>(*p, "guiTESCheckbox")->setChecked(true);
    MessageBoxAnswer answer;
    p->okClicked();
    QVERIFY(answer.answered());
    QVERIFY2(answer.text().contains(QStringLiteral("could not be stored")),
             qPrintable(answer.text()));
    // The session still uses what was entered.
    QCOMPARE(defaults.count(), 1);
    QCOMPARE(p->getAnalysisOptions().at(9), true);
}

void tst_preferences::capSetAddEditRemove()
{
    auto p = openDialog();
    addCapSet(*p, QStringLiteral("1001"), QStringLiteral("12/31/2015"));
    addCapSet(*p, QStringLiteral("1002"), QStringLiteral("01/15/2019"));
    QList<CapSet> stored = database::instance()->getSerialNums();
    QCOMPARE(stored.size(), 2);
    QCOMPARE(stored[0], (CapSet{QStringLiteral("1001"), QStringLiteral("12/31/2015")}));
    QCOMPARE(p->getSerialNumbers(), TestSupport::texts({"1001", "1002"}));
    QCOMPARE(column0(*p), TestSupport::texts({"1001", "1002"}));
    QCOMPARE(table(*p)->item(1, 1)->text(), QStringLiteral("01/15/2019"));
    QVERIFY(!(table(*p)->item(0, 0)->flags() & Qt::ItemIsEditable));
    auto *serialBox = child<QComboBox>(*p, "serialNumCombobox");
    QCOMPARE(serialBox->count(), 3);
    QCOMPARE(serialBox->itemText(2), QStringLiteral("1002"));
    // The dialog's fields are emptied after a stored change.
    QCOMPARE(child<QLineEdit>(*p, "serialNumLineEdit")->text(), QString());

    table(*p)->setCurrentCell(1, 0);
    child<QPushButton>(*p, "editSerialButton")->click();
    auto *dialog = p->findChild<QDialog *>(QStringLiteral("serialNumDialog"));
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Add New Cap Set"));
    QCOMPARE(child<QLineEdit>(*p, "serialNumLineEdit")->text(), QStringLiteral("1002"));
    QCOMPARE(child<QLineEdit>(*p, "purchaseDateLineEdit")->text(), QStringLiteral("01/15/2019"));
    // Shown with its text selected: typing at once would replace it.
    QVERIFY(child<QLineEdit>(*p, "serialNumLineEdit")->hasSelectedText());
    QTest::keyClick(child<QLineEdit>(*p, "serialNumLineEdit"), Qt::Key_End);
    QTest::keyClick(child<QLineEdit>(*p, "serialNumLineEdit"), Qt::Key_Backspace);
    QTest::keyClicks(child<QLineEdit>(*p, "serialNumLineEdit"), QStringLiteral("9"));
    dialog->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
    stored = database::instance()->getSerialNums();
    QCOMPARE(stored[1], (CapSet{QStringLiteral("1009"), QStringLiteral("01/15/2019")}));
    QCOMPARE(p->getSerialNumbers(), TestSupport::texts({"1001", "1009"}));

    table(*p)->setCurrentCell(0, 1);
    child<QPushButton>(*p, "removeSerialButton")->click();
    QCOMPARE(p->getSerialNumbers(), TestSupport::texts({"1009"}));
    child<QPushButton>(*p, "removeSerialButton")->click();
    QCOMPARE(database::instance()->getSerialNums().size(), 0);
    QCOMPARE(table(*p)->rowCount(), 0);
    QCOMPARE(serialBox->count(), 1);
    QCOMPARE(serialBox->itemText(0), QString());

    // With nothing left, edit and remove do nothing.
    child<QPushButton>(*p, "removeSerialButton")->click();
    child<QPushButton>(*p, "editSerialButton")->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(database::instance()->getSerialNums().size(), 0);
}

void tst_preferences::duplicateSerialsChangeTogether()
{
    auto p = openDialog();
    addCapSet(*p, QStringLiteral("42"), QStringLiteral("1/1/2020"));
    addCapSet(*p, QStringLiteral("7"), QStringLiteral("2/2/2020"));
    addCapSet(*p, QStringLiteral("42"), QStringLiteral("3/3/2020"));
    QCOMPARE(column0(*p), TestSupport::texts({"42", "7", "42"}));

    table(*p)->setCurrentCell(2, 0);
    child<QPushButton>(*p, "editSerialButton")->click();
    auto *serialEdit = child<QLineEdit>(*p, "serialNumLineEdit");
    serialEdit->clear();
    QTest::keyClicks(serialEdit, QStringLiteral("43"));
    p->findChild<QDialog *>(QStringLiteral("serialNumDialog"))
        ->findChild<QPushButton *>(QStringLiteral("okButton"))
        ->click();
    QCOMPARE(column0(*p), TestSupport::texts({"43", "7", "43"}));
    QCOMPARE(table(*p)->item(0, 1)->text(), QStringLiteral("3/3/2020"));

    table(*p)->setCurrentCell(0, 0);
    child<QPushButton>(*p, "removeSerialButton")->click();
    QCOMPARE(column0(*p), TestSupport::texts({"7"}));
    QCOMPARE(database::instance()->getSerialNums().size(), 1);
}

void tst_preferences::emptyCapSetCanBeRegistered()
{
    auto p = openDialog();
    // A purchase date the certification cannot read registers nothing.
    addCapSet(*p, QStringLiteral("5"), QString());
    addCapSet(*p, QStringLiteral("5"), QStringLiteral("31/12/2020"));
    QCOMPARE(database::instance()->getSerialNums().size(), 0);
    addCapSet(*p, QString(), QStringLiteral("12/31/2020"));
    const QList<CapSet> stored = database::instance()->getSerialNums();
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored[0].serialNum, QString());
    QCOMPARE(stored[0].purchaseDate, QStringLiteral("12/31/2020"));
    QCOMPARE(child<QComboBox>(*p, "serialNumCombobox")->count(), 2);
}

void tst_preferences::editCancelThenAddAddsNew()
{
    auto p = openDialog();
    addCapSet(*p, QStringLiteral("300"), QStringLiteral("5/5/2015"));
    table(*p)->setCurrentCell(0, 0);
    child<QPushButton>(*p, "editSerialButton")->click();
    auto *dialog = p->findChild<QDialog *>(QStringLiteral("serialNumDialog"));
    dialog->findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
    // The fields still show the cap set of the cancelled edit.
    child<QPushButton>(*p, "addSerialButton")->click();
    QCOMPARE(child<QLineEdit>(*p, "serialNumLineEdit")->text(), QStringLiteral("300"));
    QTest::keyClick(child<QLineEdit>(*p, "serialNumLineEdit"), Qt::Key_End);
    QTest::keyClicks(child<QLineEdit>(*p, "serialNumLineEdit"), QStringLiteral("1"));
    dialog->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
    QCOMPARE(column0(*p), TestSupport::texts({"300", "3001"}));
    QCOMPARE(database::instance()->getSerialNums().at(0).purchaseDate, QStringLiteral("5/5/2015"));
}

void tst_preferences::serialDefaultKeepsItsPosition()
{
    auto p = openDialog();
    addCapSet(*p, QStringLiteral("1"), QStringLiteral("1/1/2001"));
    addCapSet(*p, QStringLiteral("2"), QStringLiteral("2/2/2002"));
    auto *serialBox = child<QComboBox>(*p, "serialNumCombobox");
    serialBox->setCurrentIndex(2);
    addCapSet(*p, QStringLiteral("3"), QStringLiteral("3/3/2003"));
    QCOMPARE(serialBox->count(), 4);
    QCOMPARE(serialBox->currentIndex(), 2);
    QCOMPARE(p->getFormDefaults().at(5), QStringLiteral("2"));

    // The default is a position: editing the entry there keeps it on the position.
    table(*p)->setCurrentCell(1, 0);
    child<QPushButton>(*p, "editSerialButton")->click();
    QTest::keyClick(child<QLineEdit>(*p, "serialNumLineEdit"), Qt::Key_End);
    QTest::keyClicks(child<QLineEdit>(*p, "serialNumLineEdit"), QStringLiteral("0"));
    p->findChild<QDialog *>(QStringLiteral("serialNumDialog"))
        ->findChild<QPushButton *>(QStringLiteral("okButton"))
        ->click();
    QCOMPARE(serialBox->currentIndex(), 2);
    QCOMPARE(serialBox->currentText(), QStringLiteral("20"));
}

void tst_preferences::removingTheDefaultFallsBackToEmpty()
{
    auto p = openDialog();
    addCapSet(*p, QStringLiteral("1"), QStringLiteral("1/1/2001"));
    addCapSet(*p, QStringLiteral("2"), QStringLiteral("2/2/2002"));
    child<QComboBox>(*p, "serialNumCombobox")->setCurrentIndex(2);
    table(*p)->setCurrentCell(1, 0);
    child<QPushButton>(*p, "removeSerialButton")->click();
    QCOMPARE(child<QComboBox>(*p, "serialNumCombobox")->currentIndex(), 0);
    QCOMPARE(p->getFormDefaults().at(5), QStringLiteral("0"));
}

void tst_preferences::capSetWriteFailureIsReported()
{
    auto p = openDialog();
    {
        QSqlQuery q(database::instance()->currentConnection());
        QVERIFY(q.exec(QStringLiteral("DROP TABLE serialNums")));
    }
    MessageBoxAnswer answer;
    addCapSet(*p, QStringLiteral("5"), QStringLiteral("5/5/2005"));
    QVERIFY(answer.answered());
    QVERIFY2(answer.text().contains(QStringLiteral("cap set could not be stored")),
             qPrintable(answer.text()));
    QCOMPARE(table(*p)->rowCount(), 0);
}

void tst_preferences::registerReachesFormsOnCancel()
{
    auto p = openDialog();
    QStringList sent;
    connect(p.get(), &preferences::updateTestFormDefaultsSignal, this,
            [&] { sent = p->getSerialNumbers(); });
    addCapSet(*p, QStringLiteral("808"), QStringLiteral("8/8/2008"));
    QCOMPARE(sent, QStringList());
    child<QPushButton>(*p, "cancelButton")->click();
    QCOMPARE(sent, TestSupport::texts({"808"}));
}

QTEST_MAIN(tst_preferences)
#include "tst_preferences.moc"
