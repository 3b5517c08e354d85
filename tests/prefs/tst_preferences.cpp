// The preferences dialog, its cap-set dialog and its logo picker.
#include "database.h"
#include "fifoguard.h"
#include "labelimagedisplay.h"
#include "preferences.h"
#include "serialnumdialog.h"
#include "testsupport.h"
#include "vkresources.h"

#include <QSqlQuery>
#include <QtTest>
#include <QtWidgets>

using TestSupport::child;
using TestSupport::texts;

// Runs action and answers the message box it shows; returns the box's text.
static QString answerBox(const std::function<void()> &action)
{
    QString seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seen = box->text();
            box->accept();
        }
    });
    poll.start(10);
    action();
    return seen;
}

class tst_preferences : public QObject
{
    Q_OBJECT

    QString languageCode;
    QString logo; // a 300 x 60 picture

    std::unique_ptr<preferences> openDialog()
    {
        auto p = std::make_unique<preferences>();
        p->setLanguageCodeTarget(&languageCode);
        p->initPreferences();
        p->loadSettings();
        return p;
    }
    // Presses one of the preferences' buttons if given and, if a serial is given, types
    // it and the date after what the cap-set dialog's fields show and presses its Ok.
    static void capSet(preferences &p, const char *button, const char *serial = nullptr,
                       const char *date = "")
    {
        if (button)
            child<QPushButton>(p, button)->click();
        if (!serial)
            return;
        QTest::keyClick(child<QLineEdit>(p, "serialNumLineEdit"), Qt::Key_End);
        QTest::keyClicks(child<QLineEdit>(p, "serialNumLineEdit"), QString::fromUtf8(serial));
        QTest::keyClicks(child<QLineEdit>(p, "purchaseDateLineEdit"), QString::fromUtf8(date));
        child<QPushButton>(*child<serialNumDialog>(p, "serialNumDialog"), "okButton")->click();
    }

private slots:
    void initTestCase()
    {
        logo = TestSupport::tempDir() + QLatin1String("/logo.png");
        QImage img(300, 60, QImage::Format_RGB32);
        img.fill(Qt::green);
        QVERIFY(img.save(logo));
    }

    // Each switch reaches its own place in the copy and, through the store, a reopened dialog.
    void okStoresEachSwitch()
    {
        TestSupport::useFreshDatabase();
        const QStringList names = texts({"Time", "TES", "SqrtTES", "Vingrys", "Classification",
                                         "PercentageFT", "PercentageSE", "PercentageE"});
        auto p = openDialog();
        for (int i = 0; i < 16; ++i) {
            const QString box = QLatin1String(i < 8 ? "report" : "gui") + names[i % 8];
            for (QCheckBox *b : p->findChildren<QCheckBox *>())
                b->setChecked(b->objectName() == box + QLatin1String("Checkbox"));
            QList<bool> expected = QVector<bool>(16, false).toList();
            expected[i] = true;
            p->okClicked();
            auto again = openDialog();
            QCOMPARE(again->getAnalysisOptions(), expected);
            for (QCheckBox *b : again->findChildren<QCheckBox *>())
                QCOMPARE(b->isChecked(), b->objectName() == box + QLatin1String("Checkbox"));
        }
    }

    void settingsActStoreAndReset()
    {
        TestSupport::useFreshDatabase();
        database *store = database::instance();
        QVERIFY(store->insertSerialNum(QStringLiteral("11"), QStringLiteral("1/1/2020")));
        auto p = openDialog();
        QSignalSpy scoring(p.get(), &preferences::updateScoringSignal);
        QSignalSpy lang(p.get(), &preferences::langChanged);
        QSignalSpy defaults(p.get(), &preferences::updateTestFormDefaultsSignal);
        QSignalSpy options(p.get(), &preferences::updateAnalysisOptionsSignal);
        // Scoring mode and language act at once.
        child<QPushButton>(*p, "kinnearScoringButton")->click();
        child<QComboBox>(*p, "languageComboBox")->setCurrentIndex(4);
        QCOMPARE(p->getScoringMode(), QStringLiteral("Kinnear"));
        QCOMPARE(languageCode, QStringLiteral("ja"));
        QCOMPARE(QVector<int>({scoring.count(), lang.count()}), QVector<int>({1, 1}));
        const QStringList chosen = texts({"8", "7", "24", "5", "3", "1"});
        const char *const lists[] = {"illumination", "location",   "industry",
                                     "job",          "experience", "serialNum"};
        for (int i = 0; i < 6; ++i)
            child<QComboBox>(*p, qPrintable(QLatin1String(lists[i]) + QLatin1String("Combobox")))
                ->setCurrentIndex(chosen[i].toInt());
        child<QPlainTextEdit>(*p, "footerTextEdit")->setPlainText(QStringLiteral("Lab 7\nRoom 2"));
        child<QCheckBox>(*p, "reportVingrysCheckbox")->setChecked(true);
        labelImageDisplay::setFileChooser([this](QWidget *) { return logo; });
        QTest::mouseClick(child<labelImageDisplay>(*p, "logoSelection"), Qt::LeftButton);

        // Closing the window counts as Cancel: the shown defaults are sent, nothing is stored.
        p->exec();
        p->close();
        QCOMPARE(defaults.count(), 1);
        QCOMPARE(p->getFormDefaults(), chosen);
        QCOMPARE(p->getFooterImgPath(), QString());
        QVERIFY(store->getSettings() == SettingsRecord());

        // Showing again reloads nothing; Ok stores it all and sends the switches.
        p->exec();
        p->okClicked();
        QCOMPARE(options.count(), 1);
        const SettingsRecord s = store->getSettings();
        QCOMPARE((QVector<int>{s.illumination, s.location, s.industry, s.job, s.experience,
                               s.serialNum, s.language, s.scoreMode, s.vingrysReport}),
                 (QVector<int>{8, 7, 24, 5, 3, 1, 4, 1, 1}));
        QCOMPARE((QStringList{s.footerText, s.footerImgPath, p->getFooterImgPath()}),
                 (QStringList{QStringLiteral("Lab 7\nRoom 2"), logo, logo}));

        languageCode.clear();
        auto again = openDialog();
        QCOMPARE(languageCode, QStringLiteral("ja"));
        // Ok on what it shows changes nothing.
        again->okClicked();
        QVERIFY(store->getSettings() == s);
        QCOMPARE(child<labelImageDisplay>(*again, "logoSelection")->getImage().size(),
                 QSize(300, 60));

        // Reset Defaults takes the locale's language at once, leaves the picker alone and
        // is stored at Ok.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        child<QPushButton>(*again, "defaultsButton")->click();
        QCOMPARE(languageCode, QStringLiteral("de"));
        again->okClicked();
        SettingsRecord reset;
        reset.tesGui = reset.tesReport = reset.classGui = reset.classReport = true;
        reset.language = 2;
        reset.footerImgPath = logo;
        QVERIFY(store->getSettings() == reset);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void languageForLocale()
    {
        QStringList codes;
        for (auto language :
             {QLocale::Chinese, QLocale::French, QLocale::German, QLocale::Italian,
              QLocale::Japanese, QLocale::Portuguese, QLocale::Spanish, QLocale::Dutch, QLocale::C})
            codes << preferences::languageCode(preferences::languageIndexFor(language));
        codes << preferences::languageCode(-1) << preferences::languageCode(8)
              << preferences::languageCode(9);
        // The C/POSIX locale names no language: English, not the last entry of the list.
        QCOMPARE(codes, texts({"zh_Hans", "fr", "de", "it", "ja", "pt", "es", "en", "en", "en",
                               "zh_Hant", "en"}));
        QCOMPARE(preferences::languageIndexFor(QLocale::C), 0);
    }

    // The register is stored at every add, edit and remove; the serial default is a
    // position. A store that refuses is reported, and the session keeps what was entered.
    void capSetRegister()
    {
        TestSupport::useFreshDatabase();
        database *store = database::instance();
        auto p = openDialog();
        auto *serialBox = child<QComboBox>(*p, "serialNumCombobox");
        auto *dialog = child<serialNumDialog>(*p, "serialNumDialog");
        auto *table = child<QTableWidget>(*p, "capSetsTableView");
        // An empty serial may be registered.
        capSet(*p, "addSerialButton", "1001", "12/31/2015");
        capSet(*p, "addSerialButton", "", "01/15/2019");
        capSet(*p, "addSerialButton", "1001", "3/3/2020");
        QCOMPARE(store->getSerialNums().at(1), (CapSet{QString(), QStringLiteral("01/15/2019")}));
        QCOMPARE(p->getSerialNumbers(), texts({"1001", "", "1001"}));

        // Another language keeps the positions and fits the columns to its longer headers.
        vkInitResources();
        QTranslator italian;
        QVERIFY(italian.load(QStringLiteral("qt_it.qm"), QStringLiteral(":/translations")));
        child<QComboBox>(*p, "industryCombobox")->setCurrentIndex(9);
        QCoreApplication::installTranslator(&italian);
        p->retranslate();
        QCoreApplication::removeTranslator(&italian);
        QCOMPARE(child<QComboBox>(*p, "industryCombobox")->currentIndex(), 9);
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Data di acquisto"));
        for (int column = 0; column < 2; ++column)
            QVERIFY(table->horizontalHeader()->sectionSize(column) >=
                    table->horizontalHeader()->sectionSizeHint(column));

        // Editing shows the entry with its serial selected; duplicates change together.
        serialBox->setCurrentIndex(1);
        table->setCurrentCell(2, 0);
        capSet(*p, "editSerialButton");
        QVERIFY(child<QLineEdit>(*p, "serialNumLineEdit")->hasSelectedText());
        QTest::keyClick(child<QLineEdit>(*p, "serialNumLineEdit"), Qt::Key_Backspace);
        capSet(*p, nullptr, "1009");
        QCOMPARE(p->getSerialNumbers(), texts({"1009", "", "1009"}));
        QCOMPARE(store->getSerialNums().at(2).purchaseDate, QStringLiteral("3/3/2020"));
        QCOMPARE(serialBox->currentText(), QStringLiteral("1009"));

        // After a cancelled edit, Add adds (the fields still show the cancelled entry).
        table->setCurrentCell(1, 0);
        capSet(*p, "editSerialButton");
        child<QPushButton>(*dialog, "cancelButton")->click();
        capSet(*p, "addSerialButton", "7");
        QCOMPARE(p->getSerialNumbers(), texts({"1009", "", "1009", "7"}));
        QCOMPARE(store->getSerialNums().at(3).purchaseDate, QStringLiteral("01/15/2019"));

        // Removing the default's position falls back to the empty entry; with nothing
        // left, edit and remove do nothing.
        for (int i = 0; i < 4; ++i) {
            table->setCurrentCell(0, 1);
            capSet(*p, "removeSerialButton");
        }
        capSet(*p, "editSerialButton");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(store->getSerialNums().size(), 0);
        QCOMPARE(serialBox->count(), 1);
        QCOMPARE(p->getFormDefaults().at(5), QStringLiteral("0"));

        for (const char *name : {"settings", "serialNums"})
            QVERIFY(QSqlQuery(store->currentConnection())
                        .exec(QLatin1String("DROP TABLE ") + QLatin1String(name)));
        const QString error = answerBox([&] { capSet(*p, "addSerialButton", "5", "5/5/2005"); });
        QVERIFY2(error.contains(QLatin1String("cap set could not be stored")), qPrintable(error));
        QCOMPARE(table->rowCount(), 0);
        child<QCheckBox>(*p, "guiTESCheckbox")->setChecked(true);
        QVERIFY(answerBox([&] { p->okClicked(); }).contains(QLatin1String("could not be stored")));
        QCOMPARE(p->getAnalysisOptions().at(9), true);
    }

    void capSetDialogRefusals_data()
    {
        QTest::addColumn<QString>("typed"); // serial|date[|both as the fields keep them]
        QTest::addColumn<bool>("accepted");
        QTest::newRow("month/day/year") << "0123_4|12/31/2015" << true;
        QTest::newRow("single digits") << "1|2/3/2020" << true;
        QTest::newRow("leap day") << "1|02/29/2024" << true;
        QTest::newRow("letters") << "ab1C2|Dec 31|12 31" << false;
        QTest::newRow("hyphens") << "1-2/3|2015-12-31|123 20151231" << false;
        QTest::newRow("21 digits")
            << "123456789012345678901|1/1/2020|12345678901234567890 1/1/2020" << true;
        QTest::newRow("day first") << "1|15/01/2023" << false;
        QTest::newRow("no such day") << "1|02/30/2020" << false;
        QTest::newRow("not a leap year") << "1|02/29/2023" << false;
        QTest::newRow("two-digit year") << "1|12/31/15" << false;
        QTest::newRow("trailing slash") << "1|12/31/2015/" << false;
        QTest::newRow("underscore") << "1|1_/31/2015" << false;
        QTest::newRow("empty") << "1|" << false;
    }
    // Typing keeps digits (and _ or /) only; Ok needs a date that exists, month first.
    void capSetDialogRefusals()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        const QStringList f = typed.split(QLatin1Char('|'));
        serialNumDialog dialog;
        QSignalSpy saved(&dialog, &serialNumDialog::saveInfo);
        auto *ok = child<QPushButton>(dialog, "okButton");
        dialog.exec();
        QTest::keyClicks(child<QLineEdit>(dialog, "serialNumLineEdit"), f[0]);
        QTest::keyClicks(child<QLineEdit>(dialog, "purchaseDateLineEdit"), f[1]);
        QCOMPARE(dialog.getSerial() + QLatin1Char(' ') + dialog.getPurchaseDate(),
                 f.value(2, f[0] + QLatin1Char(' ') + f[1]));
        QCOMPARE(ok->isEnabled(), accepted);
        dialog.okClicked();
        QCOMPARE(saved.count(), accepted ? 1 : 0);
        QCOMPARE(dialog.isVisible(), !accepted);
        // A stored entry is shown as it is, and needs a real date for Ok.
        dialog.setInfo(QStringLiteral("12"), QStringLiteral("x"));
        QVERIFY(!ok->isEnabled());
        QCOMPARE(child<QLineEdit>(dialog, "purchaseDateLineEdit")->text(), QStringLiteral("x"));
    }

    void pickerChoosesOrRefuses_data()
    {
        QTest::addColumn<QString>("path"); // the file chosen; empty: the choice is cancelled
        const QString dir = TestSupport::tempDir();
        QFile text(dir + QLatin1String("/notes.txt")), png(dir + QLatin1String("/broken.png"));
        QVERIFY(text.open(QIODevice::WriteOnly) && png.open(QIODevice::WriteOnly));
        text.write("not a picture\n");
        // A PNG header that promises a 4294967295 x 4294967295 picture and ends there.
        png.write("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xff\xff\xff\xff\xff\xff\xff", 24);
        QTest::newRow("cancelled") << QString();
        QTest::newRow("text file") << text.fileName();
        QTest::newRow("truncated png") << png.fileName();
        QTest::newRow("missing file") << QStringLiteral("/nonexistent/logo.png");
        // Opening a pipe for reading would wait for a writer that never comes.
        QTest::newRow("named pipe") << dir + QLatin1String("/pipe");
    }
    // Any button chooses, also on the inner label; a file that is not a readable picture
    // keeps its path and shows nothing; a cancelled choice keeps the picture.
    void pickerChoosesOrRefuses()
    {
        QFETCH(QString, path);
        FifoGuard guard(TestSupport::tempDir() + QLatin1String("/pipe"));
        QVERIFY(guard.created());
        labelImageDisplay picker;
        picker.setImage(logo);
        labelImageDisplay::setFileChooser([&](QWidget *) { return path; });
        QTest::mousePress(child<QLabel>(picker, "label"), Qt::RightButton);
        QVERIFY(!guard.fired());
        QCOMPARE(picker.getImagePath(), path.isEmpty() ? logo : path);
        QCOMPARE(picker.getImage().isNull(), !path.isEmpty());
    }
};

QTEST_MAIN(tst_preferences)
#include "tst_preferences.moc"
