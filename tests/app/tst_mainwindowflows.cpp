// The window's wiring between the pages, driven through its buttons and actions.
#include "analysisformwidget.h"
#include "capnumbersdialog.h"
#include "caporder.h"
#include "chartgraphicsview.h"
#include "clock.h"
#include "csvformat.h"
#include "database.h"
#include "databaseformwidget.h"
#include "filedialogs.h"
#include "hueswatchlinewidget.h"
#include "huetestformwidget.h"
#include "mainwindow.h"
#include "messageboxes.h"
#include "pageprobe.h"
#include "preferences.h"
#include "scoring.h"
#include "testsupport.h"
#include "testtablemodel.h"
#include "vkresources.h"
#include "vktfixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>

#include <cstdio>

using Probe = DatabaseFormWidgetProbe;

namespace {

// Answers the window's message boxes, one button per box, in order; a box
// beyond the answers gets its default button.
class BoxAnswerer
{
public:
    explicit BoxAnswerer(QList<QMessageBox::StandardButton> answers) : pending(std::move(answers))
    {
        MessageBoxes::setResponder([this](const MessageBoxes::Box &box) {
            texts << box.text;
            if (!pending.isEmpty())
                return pending.takeFirst();
            return box.defaultButton != QMessageBox::NoButton ? box.defaultButton : QMessageBox::Ok;
        });
    }
    ~BoxAnswerer() { MessageBoxes::setResponder({}); }
    BoxAnswerer(const BoxAnswerer &) = delete;
    BoxAnswerer &operator=(const BoxAnswerer &) = delete;
    QStringList texts;
    QList<QMessageBox::StandardButton> pending;
};

// The window's preferences dialog: a window of its own, without a parent.
preferences *preferencesDialog()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<preferences *>(top))
            return dialog;
    }
    qFatal("no preferences dialog");
}

template <typename T> T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

QStackedWidget *stack(MainWindow &w)
{
    return child<QStackedWidget>(&w, "stackedWidget");
}
HueTestFormWidget *newForm(MainWindow &w)
{
    return child<HueTestFormWidget>(&w, "newHueTestWidget");
}
HueTestFormWidget *viewForm(MainWindow &w)
{
    return child<HueTestFormWidget>(&w, "viewHueTestWidget");
}
AnalysisFormWidget *analysis(MainWindow &w)
{
    return child<AnalysisFormWidget>(&w, "analysisWidget");
}

// Drags one cap of tray 1 the way a drop does: by moving a row of the list's model.
void moveCap(HueTestFormWidget *form, int from, int to)
{
    auto *tray = child<HueSwatchLineWidget>(form, "HueLine1");
    auto *list = child<QListWidget>(tray, "listWidget");
    list->model()->moveRow(QModelIndex(), from, QModelIndex(), to);
}

void fillNames(HueTestFormWidget *form, const QString &first, const QString &last)
{
    child<QLineEdit>(form, "firstName")->setText(first);
    child<QLineEdit>(form, "lastName")->setText(last);
    child<QLineEdit>(form, "dob")->setText(QStringLiteral("02/03/1990"));
}

int storedTests()
{
    return database::instance()->getAllTests().size();
}

QString runTool(const QString &tool, const QStringList &args)
{
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestMainWindowFlows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        vkInitResources();
        Clock::setToday(QDate(2026, 3, 4));
    }
    void init() { TestSupport::useFreshDatabase(); }
    void cleanup()
    {
        FileDialogs::setResponder({});
        MessageBoxes::setResponder({});
    }

    // --- unsaved changes ---

    void unchangedFormLeavesWithoutPrompt()
    {
        MainWindow w;
        BoxAnswerer answers({QMessageBox::Cancel});
        QTest::mouseClick(child<QPushButton>(&w, "AnalysisButton"), Qt::LeftButton);
        QCOMPARE(stack(w)->currentIndex(), 2);
        QVERIFY(answers.texts.isEmpty());
    }

    void promptCancelKeepsThePage()
    {
        MainWindow w;
        moveCap(newForm(w), 5, 0);
        QVERIFY(newForm(w)->isChanged());
        BoxAnswerer answers({QMessageBox::Cancel});
        QTest::mouseClick(child<QPushButton>(&w, "AnalysisButton"), Qt::LeftButton);
        QCOMPARE(answers.texts, QStringList{QStringLiteral("There are unsaved changes.")});
        QCOMPARE(stack(w)->currentIndex(), 0);
        QVERIFY(child<QPushButton>(&w, "NewButton")->isChecked());
        QVERIFY(newForm(w)->isChanged());
        QVERIFY(newForm(w)->capOrderText().startsWith(QLatin1String("5, 85, 1, 2, 3, 4, 6, ")));
    }

    void promptDiscardResetsAndLeaves()
    {
        MainWindow w;
        moveCap(newForm(w), 5, 0);
        BoxAnswerer answers({QMessageBox::Discard});
        QTest::mouseClick(child<QPushButton>(&w, "DatabaseButton"), Qt::LeftButton);
        QCOMPARE(answers.texts.size(), 1);
        QCOMPARE(stack(w)->currentIndex(), 3);
        QVERIFY(!newForm(w)->isChanged());
        QCOMPARE(newForm(w)->capOrderText(), CapOrder::write(CapOrder::untouched()));
        QCOMPARE(storedTests(), 0);
    }

    void promptSaveWithoutNamesStays()
    {
        MainWindow w;
        moveCap(newForm(w), 5, 0);
        // The prompt, then the form's own missing-name message (not modal).
        BoxAnswerer answers({QMessageBox::Save});
        QTest::mouseClick(child<QPushButton>(&w, "AnalysisButton"), Qt::LeftButton);
        QCOMPARE(answers.texts.size(), 1);
        bool missingNameShown = false;
        for (QWidget *top : QApplication::topLevelWidgets())
            missingNameShown |= qobject_cast<QMessageBox *>(top) && top->isVisible();
        QVERIFY(missingNameShown);
        QCOMPARE(stack(w)->currentIndex(), 0);
        QVERIFY(child<QPushButton>(&w, "NewButton")->isChecked());
        QVERIFY(newForm(w)->isChanged());
        QCOMPARE(storedTests(), 0);
    }

    void promptSaveStoresTheTest_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("page");
        QTest::newRow("to analysis") << QStringLiteral("AnalysisButton") << 2;
        QTest::newRow("to database") << QStringLiteral("DatabaseButton") << 3;
    }
    void promptSaveStoresTheTest()
    {
        QFETCH(QString, button);
        QFETCH(int, page);
        MainWindow w;
        moveCap(newForm(w), 5, 0);
        fillNames(newForm(w), QStringLiteral("Joanna"), QStringLiteral("Smith"));
        BoxAnswerer answers({QMessageBox::Save});
        QTest::mouseClick(child<QPushButton>(&w, qPrintable(button)), Qt::LeftButton);
        QCOMPARE(storedTests(), 1);
        QCOMPARE(stack(w)->currentIndex(), page);
        // The button of the page shown is the one checked, whatever the save showed meanwhile.
        QVERIFY(child<QPushButton>(&w, qPrintable(button))->isChecked());
        QVERIFY(!child<QPushButton>(&w, "ViewButton")->isChecked());
        const QString id = database::instance()->getAllTests().last().testID;
        QVERIFY(database::instance()->getScores(id).startsWith(QLatin1String("5, 85, 1, 2, ")));
        QVERIFY(!newForm(w)->isChanged());
    }

    void viewPageChangesPromptOnceGoingToAnalysis()
    {
        TestSupport::storeEntry(
            TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee")));
        MainWindow w;
        databaseEntry e = database::instance()->getAllTests().last();
        e.scores = database::instance()->getScores(e.testID);
        w.testSelected({e});
        QTest::mouseClick(child<QPushButton>(&w, "ViewButton"), Qt::LeftButton);
        QCOMPARE(stack(w)->currentIndex(), 1);
        moveCap(viewForm(w), 3, 7);
        BoxAnswerer answers({QMessageBox::Cancel});
        QTest::mouseClick(child<QPushButton>(&w, "AnalysisButton"), Qt::LeftButton);
        QCOMPARE(answers.texts.size(), 1); // page 0 is not current: no prompt for it
        QCOMPARE(stack(w)->currentIndex(), 1);
        QVERIFY(child<QPushButton>(&w, "ViewButton")->isChecked());
    }

    void leavingTheViewPageForNewAsks_data()
    {
        QTest::addColumn<bool>("typeComment");
        QTest::newRow("tray move") << false;
        QTest::newRow("comment typed") << true;
    }
    void leavingTheViewPageForNewAsks()
    {
        QFETCH(bool, typeComment);
        TestSupport::storeEntry(
            TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee")));
        MainWindow w;
        databaseEntry e = database::instance()->getAllTests().last();
        e.scores = database::instance()->getScores(e.testID);
        w.testSelected({e});
        w.viewArrangeClicked();
        if (typeComment)
            QTest::keyClicks(child<QWidget>(viewForm(w), "comments"), QStringLiteral("tired"));
        else
            moveCap(viewForm(w), 3, 7);
        BoxAnswerer answers({QMessageBox::Cancel});
        QTest::mouseClick(child<QPushButton>(&w, "NewButton"), Qt::LeftButton);
        QCOMPARE(answers.texts.size(), 1);
        QCOMPARE(stack(w)->currentIndex(), 1);
        QVERIFY(child<QPushButton>(&w, "ViewButton")->isChecked());
        // Showing another stored test is not an unsaved change.
        w.testSelected({e});
        QVERIFY(!viewForm(w)->isChanged());
    }

    void preferencesKeepTheChosenSerialNumbers_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("Ok") << true;
        QTest::newRow("Cancel") << false;
    }
    void preferencesKeepTheChosenSerialNumbers()
    {
        QFETCH(bool, ok);
        database *store = database::instance();
        QVERIFY(store->insertSerialNum(QStringLiteral("111"), QStringLiteral("01/02/2025")));
        QVERIFY(store->insertSerialNum(QStringLiteral("222"), QStringLiteral("01/02/2025")));
        databaseEntry stored =
            TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"));
        stored.serialNum = QStringLiteral("222");
        TestSupport::storeEntry(stored);
        MainWindow w;
        databaseEntry e = store->getAllTests().last();
        e.scores = store->getScores(e.testID);
        w.testSelected({e});
        child<QComboBox>(newForm(w), "serialCombo")->setCurrentIndex(1);

        preferencesDialog()->exec();
        if (ok)
            preferencesDialog()->okClicked();
        else
            preferencesDialog()->cancelClicked();
        QCOMPARE(child<QComboBox>(newForm(w), "serialCombo")->currentText(), QStringLiteral("111"));
        QCOMPARE(child<QComboBox>(viewForm(w), "serialCombo")->currentText(),
                 QStringLiteral("222"));
        // An update of the shown test keeps its cap set.
        QVERIFY(viewForm(w)->save());
        QCOMPARE(store->getAllTests().last().serialNum, QStringLiteral("222"));
    }

    void switchingFilesStartsFromTheNewFile()
    {
        database *store = database::instance();
        const QString other = TestSupport::tempDir() + QLatin1String("/kinnear.sqlite");
        QVERIFY(store->newDatabase(other));
        SettingsRecord kinnear;
        kinnear.scoreMode = true;
        QVERIFY(store->updateSettings(kinnear));
        TestSupport::storeEntry(
            TestSupport::sampleEntry(QStringLiteral("Dan"), QStringLiteral("Other")));

        TestSupport::useFreshDatabase();
        TestSupport::storeEntry(
            TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee")));
        TestSupport::storeEntry(
            TestSupport::sampleEntry(QStringLiteral("Bob"), QStringLiteral("Ray")));
        QVERIFY(store->insertSerialNum(QStringLiteral("111"), QStringLiteral("01/02/2025")));
        SettingsRecord withLogo;
        withLogo.footerImgPath = TestSupport::tempDir() + QLatin1String("/logo.png");
        withLogo.serialNum = 1;
        QVERIFY(store->updateSettings(withLogo));
        MainWindow w;
        QVERIFY(!analysis(w)->isKinnear());
        w.databaseViewSelected();
        auto *table = w.findChild<QAbstractItemView *>(QStringLiteral("tableDisplay"));
        table->selectAll();
        databaseEntry e = store->getAllTests().last();
        e.scores = store->getScores(e.testID);
        viewForm(w)->showEntry(e);

        FileDialogs::setResponder([other](FileDialogs::Kind, const QString &) { return other; });
        child<QAction>(&w, "actionOpen")->trigger();
        QCOMPARE(store->path(), other);
        QVERIFY(analysis(w)->isKinnear()); // the new file's settings are in force
        QVERIFY(!viewForm(w)->isLoaded()); // no Update can reach a test of the new file
        QCOMPARE(table->model()->rowCount(), 1);
        QCOMPARE(Probe::csvLines(*child<DatabaseFormWidget>(&w, "databaseWidget")).size(),
                 1); // header only

        // Preferences show the new file's register, serial lists and logo, and Ok
        // writes none of the old file's into it.
        preferences *prefs = preferencesDialog();
        QCOMPARE(prefs->getSerialNumbers(), QStringList());
        QCOMPARE(child<QTableWidget>(prefs, "capSetsTableView")->rowCount(), 0);
        QCOMPARE(child<QComboBox>(prefs, "serialNumCombobox")->count(), 1);
        QCOMPARE(child<QComboBox>(newForm(w), "serialCombo")->count(), 1);
        QCOMPARE(child<QComboBox>(viewForm(w), "serialCombo")->count(), 1);
        QCOMPARE(prefs->getFooterImgPath(), QString());
        prefs->exec();
        prefs->okClicked();
        QCOMPARE(store->getSettings().footerImgPath, QString());
        QCOMPARE(store->getSettings().serialNum, 0);
    }

    void importedCapSetsReachTheRegisterAndBothForms()
    {
        MainWindow w;
        using namespace VktFixture;
        const QString path = TestSupport::tempDir() + QLatin1String("/capset.vkt");
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(
            file({{str("FirstName", QStringLiteral("Ann")), str("LastName", QStringLiteral("Lee")),
                   str("SerialNumber", QStringLiteral("SN-7")),
                   str("CapOrder", CapOrder::write(CapOrder::untouched()))},
                  {str("SerialNumber", QStringLiteral("SN-7")),
                   date("PurchaseDate", QStringLiteral("2025-03-04T00:00:00Z"))}}));
        out.close();
        FileDialogs::setResponder([path](FileDialogs::Kind, const QString &) { return path; });
        child<QAction>(&w, "actionVK100_Database_Version_2_VKT")->trigger();
        QCOMPARE(storedTests(), 1);
        QCOMPARE(w.statusBar()->currentMessage(),
                 QStringLiteral("1 test(s) imported; 1 cap set(s) added."));
        preferences *prefs = preferencesDialog();
        QCOMPARE(prefs->getSerialNumbers(), QStringList{QStringLiteral("SN-7")});
        QCOMPARE(child<QTableWidget>(prefs, "capSetsTableView")->rowCount(), 1);
        for (HueTestFormWidget *form : {newForm(w), viewForm(w)}) {
            auto *serial = child<QComboBox>(form, "serialCombo");
            QCOMPARE(serial->count(), 2);
            QCOMPARE(serial->itemText(1), QStringLiteral("SN-7"));
        }
    }

    void closingWithUnsavedChangesAsks()
    {
        MainWindow w;
        w.show();
        moveCap(newForm(w), 2, 9);
        BoxAnswerer cancel({QMessageBox::Cancel});
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        BoxAnswerer discard({QMessageBox::Discard});
        QVERIFY(w.close());
    }

    // --- records between pages ---

    void savedTestIsShownOnViewAndAnalysis()
    {
        MainWindow w;
        fillNames(newForm(w), QStringLiteral("Daniel"), QStringLiteral("Jones"));
        moveCap(newForm(w), 30 - 22, 0); // any change will do
        QTest::mouseClick(child<QPushButton>(newForm(w), "saveButton"), Qt::LeftButton);
        QCOMPARE(storedTests(), 1);
        QCOMPARE(w.statusBar()->currentMessage(),
                 QStringLiteral("The test of Daniel Jones was saved."));
        QCOMPARE(stack(w)->currentIndex(), 1);
        QVERIFY(child<QPushButton>(&w, "ViewButton")->isChecked());
        QVERIFY(!child<QPushButton>(&w, "NewButton")->isChecked());
        QCOMPARE(child<QLineEdit>(viewForm(w), "firstName")->text(), QStringLiteral("Daniel"));
        QVERIFY(viewForm(w)->isLoaded());
        QVERIFY(analysis(w)->isLoaded());
        QVERIFY(analysis(w)->nameAndAnalysisText().contains(QLatin1String("Jones")));
        QCOMPARE(child<QLineEdit>(newForm(w), "firstName")->text(), QString());
    }

    void emptySelectionChangesNothing()
    {
        MainWindow w;
        w.testSelected({});
        QCOMPARE(stack(w)->currentIndex(), 0);
        QVERIFY(!analysis(w)->isLoaded());
    }

    void selectionGoesToViewAndAnalysis()
    {
        for (const char *name : {"Ann", "Bob", "Cy"})
            TestSupport::storeEntry(
                TestSupport::sampleEntry(QLatin1String(name), QStringLiteral("Lee")));
        MainWindow w;
        QList<databaseEntry> picked = database::instance()->getAllTests();
        for (databaseEntry &e : picked)
            e.scores = database::instance()->getScores(e.testID);
        w.databaseViewSelected();
        w.testSelected(picked);
        QCOMPARE(stack(w)->currentIndex(), 2);
        QVERIFY(child<QPushButton>(&w, "AnalysisButton")->isChecked());
        QVERIFY(!child<QPushButton>(&w, "DatabaseButton")->isChecked());
        QCOMPARE(child<QLineEdit>(viewForm(w), "firstName")->text(), QStringLiteral("Ann"));
        QVERIFY(analysis(w)->nameAndAnalysisText().contains(QLatin1String("Ann")));
    }

    void viewMenuGraphsSwitchTheChart()
    {
        MainWindow w;
        child<QAction>(&w, "actionLinear_Graph")->trigger();
        QCOMPARE(stack(w)->currentIndex(), 2);
        QVERIFY(!analysis(w)->isPolarSelected());
        child<QAction>(&w, "actionPolar_Graph")->trigger();
        QVERIFY(analysis(w)->isPolarSelected());
    }

    void updatedTestReachesTheAnalysisPage()
    {
        SettingsRecord s;
        s.tesReport = true;
        database::instance()->updateSettings(s);
        TestSupport::storeEntry(
            TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee")));
        TestSupport::storeEntry(TestSupport::sampleEntry(
            QStringLiteral("Bo"), QStringLiteral("Kim"), TestSupport::cap85InTray2()));
        MainWindow w;
        QList<databaseEntry> selection = database::instance()->getAllTests();
        for (databaseEntry &e : selection)
            e.scores = database::instance()->getScores(e.testID);
        const databaseEntry e = selection.first();
        w.testSelected(selection);
        w.viewArrangeClicked();
        QVERIFY(
            analysis(w)->reportTextPart1().contains(QLatin1String("Total Error Score (TES): 0\n")));
        moveCap(viewForm(w), 1, 0);
        auto *comments = child<QWidget>(viewForm(w), "comments");
        QTest::keyClick(comments, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(comments, QStringLiteral("edited"));
        QTest::mouseClick(child<QPushButton>(viewForm(w), "saveButton"), Qt::LeftButton);
        // The swap of positions 0 and 1 scores 4, and the page shows the edited test.
        QVERIFY2(
            analysis(w)->reportTextPart1().contains(QLatin1String("Total Error Score (TES): 4\n")),
            qPrintable(analysis(w)->reportTextPart1()));
        QVERIFY2(analysis(w)->reportTextPart2().contains(QLatin1String("Comments: edited\n")),
                 qPrintable(analysis(w)->reportTextPart2()));
        QVERIFY(database::instance()->getScores(e.testID).startsWith(QLatin1String("1, 85, 2, ")));
        QCOMPARE(w.statusBar()->currentMessage(),
                 QStringLiteral("The test of Ann Lee was updated."));
        // The other test of the selection stays beside it; the old record is not drawn again.
        const QVector<QVector<double>> curves = analysis(w)->polarView()->curves();
        QCOMPARE(curves.size(), 2);
        QVector<double> second;
        for (int score : Scoring::capScores(TestSupport::cap85InTray2()))
            second.append(score);
        QCOMPARE(curves.at(1), second);
    }

    // --- settings at start-up ---

    void storedSettingsAreInForceAtFirstShow()
    {
        SettingsRecord s;
        s.scoreMode = true;
        s.illumination = 2; // D65
        s.tesGui = true;
        QVERIFY(database::instance()->updateSettings(s));
        MainWindow w;
        QVERIFY(analysis(w)->isKinnear());
        QCOMPARE(child<QComboBox>(newForm(w), "illuminationCombo")->currentText(),
                 QStringLiteral("D65"));
        QCOMPARE(preferencesDialog()->getAnalysisOptions(), s.analysisSwitches());
    }

    // --- language ---

    void switchingLanguageRetranslatesInPlace()
    {
        TestSupport::storeEntry(
            TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee")));
        MainWindow w;
        auto *illumination = child<QComboBox>(newForm(w), "illuminationCombo");
        illumination->setCurrentIndex(8); // "Other"
        auto *fileMenu = child<QMenu>(&w, "menuFIle");
        struct Shown
        {
            QString title, menu, newButton, save, select, graphStyle, combo;
        };
        auto shown = [&] {
            return Shown{w.windowTitle(),
                         fileMenu->title(),
                         child<QPushButton>(&w, "NewButton")->text(),
                         child<QPushButton>(newForm(w), "saveButton")->text(),
                         child<QPushButton>(&w, "selectTest")->text(),
                         child<QLabel>(analysis(w), "styleLabel")->text(),
                         illumination->currentText()};
        };
        const Shown english = shown();
        QVERIFY2(english.title.endsWith(QStringLiteral(" \u2014 Veskora Scoring Software")),
                 qPrintable(english.title));
        QCOMPARE(english.combo, QStringLiteral("Other"));

        w.setLanguageCode(QStringLiteral("de"));
        w.loadLanguage();
        const Shown german = shown();
        QVERIFY(german.title != english.title);
        QVERIFY2(german.title.endsWith(
                     QCoreApplication::translate("MainWindow", "Veskora Scoring Software")),
                 qPrintable(german.title));
        QVERIFY(german.menu != english.menu);
        QVERIFY(german.newButton != english.newButton);
        QVERIFY(german.save != english.save);
        QVERIFY(german.select != english.select);
        QVERIFY(german.graphStyle != english.graphStyle);
        QVERIFY(german.combo != english.combo);
        QCOMPARE(illumination->currentIndex(), 8); // the choice is kept

        w.setLanguageCode(QStringLiteral("en"));
        w.loadLanguage();
        const Shown back = shown();
        QCOMPARE(back.title, english.title);
        QCOMPARE(back.menu, english.menu);
        QCOMPARE(back.newButton, english.newButton);
        QCOMPARE(back.save, english.save);
        QCOMPARE(back.select, english.select);
        QCOMPARE(back.graphStyle, english.graphStyle);
        QCOMPARE(back.combo, english.combo);
        QCOMPARE(illumination->currentIndex(), 8);
    }

    // --- clipboard ---

    void copyGraphWithoutTestIsTheEmptyChart()
    {
        MainWindow w;
        child<QAction>(&w, "actionCopy_Graph")->trigger();
        const QMimeData *mime = QApplication::clipboard()->mimeData();
        QVERIFY(mime);
        QVERIFY(mime->hasFormat(QStringLiteral("image/svg+xml")));
        const QByteArray svg = mime->data(QStringLiteral("image/svg+xml"));
        QVERIFY(svg.contains("<svg"));
        QVERIFY(svg.contains("viewBox=\"0 0 200 200\""));
    }

    void copyNameAndAnalysis()
    {
        TestSupport::storeEntry(
            TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee")));
        MainWindow w;
        databaseEntry e = database::instance()->getAllTests().last();
        e.scores = database::instance()->getScores(e.testID);
        w.testSelected({e});
        child<QAction>(&w, "actionCopy_Name_and_Analysis")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), analysis(w)->nameAndAnalysisText());
        QVERIFY(QApplication::clipboard()->text().contains(QLatin1String("Lee")));
    }

    void editMenuWorksOnTheFocusedField()
    {
        MainWindow w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QLineEdit *first = child<QLineEdit>(newForm(w), "firstName");
        first->setFocus();
        QTRY_VERIFY(first->hasFocus());
        first->setText(QStringLiteral("Zoë"));
        child<QAction>(&w, "actionSelect_All")->trigger();
        child<QAction>(&w, "actionCut")->trigger();
        QCOMPARE(first->text(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Zoë"));
        child<QAction>(&w, "actionPaste")->trigger();
        child<QAction>(&w, "actionPaste")->trigger();
        QCOMPARE(first->text(), QStringLiteral("ZoëZoë"));
        child<QAction>(&w, "actionSelect_All")->trigger();
        child<QAction>(&w, "actionClear")->trigger();
        QCOMPARE(first->text(), QString());
    }

    // --- typed entry, keyboard arranging, undo ---

    void typedEntryAndUndoThroughTheWindow()
    {
        MainWindow w;
        HueTestFormWidget *form = newForm(w);
        auto *undo = child<QAction>(&w, "actionUndo");
        auto *redo = child<QAction>(&w, "actionRedo");
        // After the Edit menu's own entries, behind a separator.
        const QList<QAction *> edit = child<QMenu>(&w, "menuEdit")->actions();
        QCOMPARE(edit.at(edit.size() - 2), undo);
        QVERIFY(edit.at(edit.size() - 3)->isSeparator());
        QCOMPARE(edit.last(), redo);
        QCOMPARE(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(redo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());

        fillNames(form, QStringLiteral("Ines"), QStringLiteral("Ruiz"));
        QVector<int> caps = CapOrder::untouched();
        QList<QVector<int>> steps{caps};
        moveCap(form, 5, 0); // a drag
        caps = QVector<int>{5, 85, 1, 2, 3, 4} + caps.mid(6);
        steps << caps;
        auto *tray2 = child<HueSwatchLineWidget>(form, "HueLine2");
        tray2->focusCap(3);
        QTest::keyClick(child<QListWidget>(tray2, "listWidget"), Qt::Key_Left, Qt::ControlModifier);
        std::swap(caps[24], caps[25]);
        steps << caps;
        QTest::mouseClick(child<QPushButton>(form, "typeCapsButton"), Qt::LeftButton);
        auto *dialog = form->findChild<CapNumbersDialog *>();
        QVERIFY(dialog);
        std::swap(caps[70], caps[72]);
        QStringList tray4;
        for (int cap : caps.mid(64))
            tray4 << QString::number(cap);
        child<QLineEdit>(dialog, "trayLine4")->setText(tray4.join(QLatin1Char(',')));
        QTest::mouseClick(child<QPushButton>(dialog, "applyButton"), Qt::LeftButton);
        steps << caps;
        QCOMPARE(CapOrder::read(form->capOrderText()), caps);
        QVERIFY(form->isChanged());
        QTest::mouseClick(child<QPushButton>(form, "resetButton"), Qt::LeftButton);
        QCOMPARE(CapOrder::read(form->capOrderText()), CapOrder::untouched());
        QCOMPARE(child<QLineEdit>(form, "firstName")->text(), QString());

        // Undo walks back through the reset, the typed order, the key and the drag.
        undo->trigger();
        QCOMPARE(child<QLineEdit>(form, "firstName")->text(), QStringLiteral("Ines"));
        for (int i = steps.size() - 1; i >= 0; --i) {
            QCOMPARE(CapOrder::read(form->capOrderText()), steps.at(i));
            if (i > 0)
                undo->trigger();
        }
        QVERIFY(!undo->isEnabled());
        for (int i = 0; i < 3; ++i)
            redo->trigger();
        QCOMPARE(CapOrder::read(form->capOrderText()), caps);
        QVERIFY(redo->isEnabled());

        // Other pages have nothing to undo; the entry page's history waits for it.
        stack(w)->setCurrentIndex(3);
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        stack(w)->setCurrentIndex(0);
        QVERIFY(undo->isEnabled());

        // Saved, the typed arrangement is what the view and analysis pages show.
        QTest::mouseClick(child<QPushButton>(form, "saveButton"), Qt::LeftButton);
        QCOMPARE(storedTests(), 1);
        QCOMPARE(stack(w)->currentIndex(), 1);
        QCOMPARE(viewForm(w)->capOrderText(), CapOrder::write(caps));
        QCOMPARE(
            child<QLabel>(analysis(w), "TESDisplay")->text(),
            QStringLiteral("Total Error Score (TES): %1").arg(*Scoring::totalErrorScore(caps)));
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        QCOMPARE(form->undoStack()->count(), 0);
        // The view page keeps a history of its own.
        moveCap(viewForm(w), 0, 21);
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QCOMPARE(viewForm(w)->capOrderText(), CapOrder::write(caps));
    }

    // --- report ---

    void pdfReportCarriesItsTexts_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::newRow("short comment") << QStringLiteral("no remarks");
        QString words;
        for (int i = 0; words.size() < 3000; ++i)
            words += QStringLiteral("word%1 ").arg(i);
        QTest::newRow("3,000-character comment") << words;
    }
    void pdfReportCarriesItsTexts()
    {
        QFETCH(QString, comment);
        databaseEntry stored =
            TestSupport::sampleEntry(QStringLiteral("Joanna"), QStringLiteral("Smith"));
        stored.comments = comment;
        TestSupport::storeEntry(stored);
        SettingsRecord s;
        s.tesReport = s.classReport = true;
        s.percentFirstReport = s.percentSomeReport = s.percentExpReport = true;
        database::instance()->updateSettings(s);
        MainWindow w;
        databaseEntry e = database::instance()->getAllTests().last();
        e.scores = database::instance()->getScores(e.testID);
        w.testSelected({e});

        const QString base = TestSupport::tempDir() + QLatin1String("/report");
        FileDialogs::setResponder([base](FileDialogs::Kind, const QString &) { return base; });
        child<QAction>(&w, "actionSelected_Records_as_PDF")->trigger();
        const QString pdf = base + QLatin1String(".pdf");
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(
            w.statusBar()->currentMessage(),
            QStringLiteral("The report was written to %1.").arg(QDir::toNativeSeparators(pdf)));

        const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
        const QString text = runTool(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        if (info.isEmpty() || text.isEmpty())
            QSKIP("poppler-utils is not installed");
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
        QVERIFY(info.contains(QLatin1String("(A4)")));
        QVERIFY(text.contains(QLatin1String("Veskora Results")));
        QVERIFY(text.contains(QLatin1String("Results")));
        const QString flat = QString(text).simplified();
        // Every line of both columns, the percentiles after the comment included; a
        // comment too long for its column is cut short with an ellipsis.
        const bool cut = comment.size() > 1000;
        for (const QString &part :
             {analysis(w)->reportTextPart1(), analysis(w)->reportTextPart2()}) {
            const QStringList lines = part.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QVERIFY(!lines.isEmpty());
            for (const QString &line : lines) {
                if (cut && line.startsWith(QLatin1String("Comments: ")))
                    continue;
                QVERIFY2(flat.contains(line.simplified()), qPrintable(line));
            }
        }
        QVERIFY(flat.contains(QLatin1String("Experienced: ")));
        QCOMPARE(flat.contains(QChar(0x2026)), cut);
        QCOMPARE(flat.contains(comment.simplified()), !cut);
    }

    void pdfNameKeepsItsExtensionAndCancelWritesNothing()
    {
        MainWindow w;
        const QString named = TestSupport::tempDir() + QLatin1String("/named.pdf");
        FileDialogs::setResponder([named](FileDialogs::Kind, const QString &) { return named; });
        child<QAction>(&w, "actionSelected_Records_as_PDF")->trigger();
        QVERIFY(QFile::exists(named));
        QVERIFY(!QFile::exists(named + QLatin1String(".pdf")));

        const int before = QDir(TestSupport::tempDir()).entryList(QDir::Files).size();
        FileDialogs::setResponder([](FileDialogs::Kind, const QString &) { return QString(); });
        child<QAction>(&w, "actionSelected_Records_as_PDF")->trigger();
        child<QAction>(&w, "actionSelected_Records_as_CSV")->trigger();
        QCOMPARE(QDir(TestSupport::tempDir()).entryList(QDir::Files).size(), before);
    }

    void unwritablePdfIsReported()
    {
        MainWindow w;
        const QString bad = TestSupport::tempDir() + QLatin1String("/no/such/folder/report");
        FileDialogs::setResponder([bad](FileDialogs::Kind, const QString &) { return bad; });
        BoxAnswerer answers({QMessageBox::Ok});
        child<QAction>(&w, "actionSelected_Records_as_PDF")->trigger();
        QCOMPARE(answers.texts.size(), 1);
        QVERIFY(answers.texts.first().contains(QLatin1String("report.pdf")));
    }

    // One page per selected test in the order of the selection; a cancelled run writes nothing.
    void selectedRecordsPdf_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QList<int>>("selection"); // rows, in the order they are picked
        QTest::addColumn<bool>("cancel");
        QTest::newRow("two, picked last first") << 2 << QList<int>{1, 0} << false;
        QTest::newRow("five, with progress") << 5 << QList<int>{4, 0, 3, 1, 2} << false;
        QTest::newRow("five, cancelled") << 5 << QList<int>{0, 1, 2, 3, 4} << true;
    }
    void selectedRecordsPdf()
    {
        QFETCH(int, stored);
        QFETCH(QList<int>, selection);
        QFETCH(bool, cancel);
        for (int i = 0; i < stored; ++i)
            TestSupport::storeEntry(TestSupport::sampleEntry(QStringLiteral("Person%1").arg(i),
                                                             QStringLiteral("Surname%1").arg(i)));
        MainWindow w;
        w.databaseViewSelected();
        auto *table = child<QAbstractItemView>(&w, "tableDisplay");
        const TestTableModel *model =
            Probe::model(*child<DatabaseFormWidget>(&w, "databaseWidget"));
        QStringList expected;
        for (int row : selection) {
            table->selectionModel()->select(table->model()->index(row, 0),
                                            QItemSelectionModel::Select |
                                                QItemSelectionModel::Rows);
            expected.append(model->entry(row).first);
        }
        const QString pdf = TestSupport::tempDir() + QStringLiteral("/selected%1.pdf").arg(stored);
        QFile::remove(pdf);
        FileDialogs::setResponder([pdf](FileDialogs::Kind, const QString &) { return pdf; });
        bool sawProgress = false;
        QTimer::singleShot(0, &w, [&] {
            if (auto *progress = w.findChild<QProgressDialog *>(QStringLiteral("pdfProgress"))) {
                sawProgress = true;
                if (cancel)
                    progress->cancel();
            }
        });
        child<QAction>(&w, "actionSelected_Records_as_PDF")->trigger();
        // More than three pages show their progress.
        QCOMPARE(sawProgress, stored > 3);
        QCOMPARE(QFile::exists(pdf), !cancel);
        if (cancel) {
            QCOMPARE(w.statusBar()->currentMessage(),
                     QStringLiteral("The export was cancelled; nothing was written."));
            return;
        }
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("%1 report(s) were written to %2.")
                                                      .arg(stored)
                                                      .arg(QDir::toNativeSeparators(pdf)));
        const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
        if (info.isEmpty())
            QSKIP("poppler-utils is not installed");
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(stored))));
        for (int page = 1; page <= stored; ++page) {
            const QString text =
                runTool(QStringLiteral("pdftotext"),
                        {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                         QString::number(page), pdf, QStringLiteral("-")});
            for (int i = 0; i < expected.size(); ++i)
                QCOMPARE(text.contains(expected.at(i)), i == page - 1);
        }
    }

    void printPreviewShowsTheReportPage()
    {
        MainWindow w;
        int pages = -1;
        QTimer::singleShot(0, &w, [&] {
            auto *preview = w.findChild<QPrintPreviewDialog *>(QStringLiteral("printPreview"));
            if (!preview)
                return;
            if (auto *view = preview->findChild<QPrintPreviewWidget *>())
                pages = view->pageCount();
            preview->reject();
        });
        child<QAction>(&w, "actionPrint_Preview")->trigger();
        QCOMPARE(pages, 1);
        // It comes right after Print in the File menu.
        const QList<QAction *> file = child<QMenu>(&w, "menuFIle")->actions();
        QCOMPARE(file.indexOf(child<QAction>(&w, "actionPrint_Preview")),
                 file.indexOf(child<QAction>(&w, "actionPrint")) + 1);
    }

    // A logo that is no picture leaves the report without it, and says so once.
    void brokenLogoIsReportedOnce()
    {
        const QString logo = TestSupport::tempDir() + QLatin1String("/logo-notes.png");
        QFile f(logo);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("not a picture") > 0);
        f.close();
        SettingsRecord s;
        s.footerImgPath = logo;
        QVERIFY(database::instance()->updateSettings(s));
        MainWindow w;
        const QString pdf = TestSupport::tempDir() + QLatin1String("/logo-report.pdf");
        FileDialogs::setResponder([pdf](FileDialogs::Kind, const QString &) { return pdf; });
        BoxAnswerer answers({});
        child<QAction>(&w, "actionSelected_Records_as_PDF")->trigger();
        child<QAction>(&w, "actionSelected_Records_as_PDF")->trigger();
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(answers.texts.size(), 1);
        QVERIFY2(answers.texts.first().startsWith(
                     QLatin1String("The report was made without its footer logo: ")),
                 qPrintable(answers.texts.first()));
        QVERIFY(answers.texts.first().contains(QLatin1String("logo-notes.png")));
    }

    // --- exchange through the window ---

    void csvExportAndImportThroughTheWindow()
    {
        TestSupport::storeEntry(
            TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee")));
        MainWindow w;
        w.databaseViewSelected();
        auto *table = w.findChild<QAbstractItemView *>(QStringLiteral("tableDisplay"));
        QVERIFY(table);
        table->selectAll();
        const QString base = TestSupport::tempDir() + QLatin1String("/records");
        FileDialogs::setResponder([base](FileDialogs::Kind, const QString &) { return base; });
        child<QAction>(&w, "actionSelected_Records_as_CSV")->trigger();
        const QString file = base + QLatin1String(".txt");
        QVERIFY(QFile::exists(file));
        QCOMPARE(w.statusBar()->currentMessage(),
                 QStringLiteral("The selected tests were written to %1.")
                     .arg(QDir::toNativeSeparators(file)));

        FileDialogs::setResponder([file](FileDialogs::Kind, const QString &) { return file; });
        child<QAction>(&w, "actionComma_Separated_Values_CSV")->trigger();
        const QList<databaseEntry> all = database::instance()->getAllTests();
        QCOMPARE(all.size(), 2);
        QCOMPARE(all[1].first, QStringLiteral("Ann"));
        QCOMPARE(all[1].tes, all[0].tes);
        QCOMPARE(table->model()->rowCount(), 2); // the page was refreshed
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("1 test(s) imported."));
    }

    // A line the store refuses ends the import: nothing of the file is kept.
    void csvLinesTheStoreRefusesAreReported()
    {
        MainWindow w;
        QSqlQuery trigger(database::instance()->currentConnection());
        QVERIFY(trigger.exec(
            QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON users WHEN NEW.first = 'Bad' "
                           "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        const QString file = TestSupport::tempDir() + QLatin1String("/two.csv");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QString caps = CapOrder::write(CapOrder::untouched());
        f.write(CsvFormat::headerLine().toUtf8() + "\n");
        for (const char *first : {"Good", "Bad"})
            f.write(QStringLiteral("%1,M,Lee,R,01/01/1990,01/01/2020,10,c,F,,,,,,,0,%2\n")
                        .arg(QLatin1String(first), caps)
                        .toUtf8());
        f.write("a line, not a test\n");
        f.close();
        FileDialogs::setResponder([file](FileDialogs::Kind, const QString &) { return file; });
        BoxAnswerer answers({QMessageBox::Ok});
        child<QAction>(&w, "actionComma_Separated_Values_CSV")->trigger();
        QCOMPARE(storedTests(), 0);
        QCOMPARE(answers.texts.size(), 1);
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Nothing was imported."));
        QVERIFY2(answers.texts.first().startsWith(
                     QLatin1String("Nothing was imported: line 3 could not be stored: ")),
                 qPrintable(answers.texts.first()));
    }

    void deleteAsksAndTellsInTheStatusBar()
    {
        for (const char *name : {"Ann", "Bob"})
            TestSupport::storeEntry(
                TestSupport::sampleEntry(QLatin1String(name), QStringLiteral("Lee")));
        MainWindow w;
        w.databaseViewSelected();
        child<QAbstractItemView>(&w, "tableDisplay")->selectAll();
        BoxAnswerer answers({QMessageBox::Yes});
        child<QPushButton>(&w, "deleteButton")->click();
        QCOMPARE(answers.texts, TestSupport::texts({"Delete 2 test(s)? This cannot be undone."}));
        QCOMPARE(storedTests(), 0);
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("2 test(s) deleted."));
    }

    // The page holds its rows between actions: whatever changed the file, it shows
    // exactly the file's rows afterwards.
    void pageShowsTheFilesRowsAfterEachChange_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("rows"); // the file's tests afterwards
        const std::pair<const char *, int> changes[] = {{"new", 0},
                                                        {"open", 1},
                                                        {"save as", 2},
                                                        {"csv import", 4},
                                                        {"saved test", 4},
                                                        {"subject renamed", 3},
                                                        {"refused delete", 3},
                                                        {"other connection", 2}};
        for (const auto &c : changes)
            QTest::newRow(c.first) << QString::fromLatin1(c.first) << c.second;
    }
    void pageShowsTheFilesRowsAfterEachChange()
    {
        QFETCH(QString, change);
        QFETCH(int, rows);
        database *store = database::instance();
        const QString other = TestSupport::tempDir() + QLatin1String("/other-") +
                              QString::fromLatin1(QTest::currentDataTag()) +
                              QLatin1String(".sqlite");
        if (change == QLatin1String("open")) {
            QVERIFY(store->newDatabase(other));
            TestSupport::storeEntry(
                TestSupport::sampleEntry(QStringLiteral("Dan"), QStringLiteral("Ot")));
        }
        const QString path = TestSupport::useFreshDatabase();
        // Two tests of one subject, one of another.
        const databaseEntry ann =
            TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"));
        TestSupport::storeEntry(ann);
        TestSupport::storeEntry(ann);
        const int bob = TestSupport::storeEntry(
            TestSupport::sampleEntry(QStringLiteral("Bob"), QStringLiteral("Ray")));
        MainWindow w;
        w.databaseViewSelected();
        auto *page = child<DatabaseFormWidget>(&w, "databaseWidget");
        QCOMPARE(Probe::model(*page)->rowCount(), 3);
        BoxAnswerer answers({QMessageBox::Yes, QMessageBox::Ok});
        FileDialogs::setResponder([other](FileDialogs::Kind, const QString &) { return other; });

        if (change == QLatin1String("new")) {
            child<QAction>(&w, "actionNew")->trigger();
        } else if (change == QLatin1String("open")) {
            child<QAction>(&w, "actionOpen")->trigger();
        } else if (change == QLatin1String("save as")) {
            // Ids are the copy's own: the copy gets them afresh.
            QVERIFY(store->deleteTests({store->getAllTests().first()}));
            child<QAction>(&w, "actionSave_As")->trigger();
            QCOMPARE(store->path(), other);
        } else if (change == QLatin1String("csv import")) {
            const QString file = other + QLatin1String(".csv");
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            databaseEntry e = TestSupport::sampleEntry(QStringLiteral("Cy"), QStringLiteral("Ng"));
            e.scores = CapOrder::write(TestSupport::ascending());
            f.write((CsvFormat::headerLine() + QLatin1Char('\n') +
                     CsvFormat::recordLine(e, QStringLiteral("0")) + QLatin1Char('\n'))
                        .toUtf8());
            f.close();
            FileDialogs::setResponder([file](FileDialogs::Kind, const QString &) { return file; });
            child<QAction>(&w, "actionComma_Separated_Values_CSV")->trigger();
        } else if (change == QLatin1String("saved test")) {
            fillNames(newForm(w), QStringLiteral("Eve"), QStringLiteral("Fox"));
            QVERIFY(newForm(w)->save());
            // The new test is the one shown, found by its id.
            QCOMPARE(child<QLineEdit>(viewForm(w), "firstName")->text(), QStringLiteral("Eve"));
        } else if (change == QLatin1String("subject renamed")) {
            databaseEntry loaded = store->getAllTests().first();
            loaded.scores = store->getScores(loaded.testID);
            databaseEntry edited = loaded;
            edited.last = QStringLiteral("Lane");
            edited.scores = CapOrder::write(TestSupport::swapped(TestSupport::ascending(), 3, 4));
            QVERIFY(store->updateUserAndTest(edited, loaded));
        } else if (change == QLatin1String("refused delete")) {
            QSqlQuery trigger(store->currentConnection());
            QVERIFY(
                trigger.exec(QStringLiteral("CREATE TRIGGER keep BEFORE DELETE ON tests WHEN "
                                            "OLD.id = %1 BEGIN SELECT RAISE(ABORT, 'kept'); END")
                                 .arg(bob)));
            child<QAbstractItemView>(&w, "tableDisplay")->selectAll();
            child<QPushButton>(&w, "deleteButton")->click();
            QCOMPARE(answers.texts.size(), 2); // the question, then the refusal
        } else {
            {
                QSqlDatabase second = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), change);
                second.setDatabaseName(path);
                QVERIFY(second.open());
                QSqlQuery q(second);
                QVERIFY(
                    q.exec(QStringLiteral("UPDATE users SET last = 'Moved' WHERE first = 'Ann'")));
                QVERIFY(q.exec(QStringLiteral("DELETE FROM tests WHERE id = %1").arg(bob)));
            }
            QSqlDatabase::removeDatabase(change);
        }
        w.databaseViewSelected();

        QList<databaseEntry> shown;
        for (int r = 0; r < Probe::model(*page)->rowCount(); ++r)
            shown.append(Probe::model(*page)->entry(r));
        std::sort(shown.begin(), shown.end(), [](const databaseEntry &a, const databaseEntry &b) {
            return a.testID.toInt() < b.testID.toInt();
        });
        const QList<databaseEntry> stored = store->getAllTests();
        QCOMPARE(shown, stored);
        QCOMPARE(stored.size(), rows);
    }

    // Every import that stores nothing says so, and why.
    void importsThatStoreNothingSaySo_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QByteArray>("content"); // a null array: no such file
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("message");
        const QString csv = QStringLiteral("actionComma_Separated_Values_CSV");
        const QString hdb = QStringLiteral("actionVK100_Database_Version_1_HDB");
        const QString vkt = QStringLiteral("actionVK100_Database_Version_2_VKT");
        const QString nothing = QStringLiteral("Nothing was imported.");
        QTest::newRow("csv missing") << csv << QByteArray() << nothing << "could not be read";
        QTest::newRow("hdb missing") << hdb << QByteArray() << nothing << "could not be read";
        QTest::newRow("vkt missing") << vkt << QByteArray() << nothing << "could not be read";
        QTest::newRow("csv with semicolons")
            << csv << QByteArray("First;Last\nAnn;Lee\nBo;Ray\n")
            << "Nothing was imported; 2 line(s) refused."
            << "2 line(s) could not be read as a test and were not imported; the first is line 2.";
        QTest::newRow("csv header alone") << csv << CsvFormat::headerLine().toUtf8() + "\n"
                                          << nothing << "holds no test";
        QTest::newRow("hdb of one letter")
            << hdb << QByteArray(2000, 'x')
            << "Nothing was imported; 6 place(s) of the file held no readable record."
            << "holds no test record";
        QTest::newRow("vkt of nonsense") << vkt << QByteArray("<plist>\rnothing here\r</plist>\r")
                                         << nothing << "holds no test record";
    }
    void importsThatStoreNothingSaySo()
    {
        QFETCH(QString, action);
        QFETCH(QByteArray, content);
        QFETCH(QString, status);
        QFETCH(QString, message);
        MainWindow w;
        const QString file = TestSupport::tempDir() + QLatin1String("/nothing-") +
                             QString::fromLatin1(QTest::currentDataTag())
                                 .replace(QLatin1Char(' '), QLatin1Char('-'));
        if (!content.isNull()) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(content) == content.size());
        }
        FileDialogs::setResponder([file](FileDialogs::Kind, const QString &) { return file; });
        BoxAnswerer answers({QMessageBox::Ok});
        w.findChild<QAction *>(action)->trigger();
        QCOMPARE(answers.texts.size(), 1);
        QVERIFY2(answers.texts.first().contains(message), qPrintable(answers.texts.first()));
        QCOMPARE(w.statusBar()->currentMessage(), status);
        QCOMPARE(storedTests(), 0);
    }

    // --- the database file ---

    // Another program holds the file's lock while the window starts: the examiner is
    // told, and the settings shown meanwhile never replace the stored ones.
    void lockedFileAtStartUp_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("retry once released") << int(QMessageBox::Retry);
        QTest::newRow("open another file") << int(QMessageBox::Open);
        QTest::newRow("go on without the file") << int(QMessageBox::Cancel);
    }
    void lockedFileAtStartUp()
    {
        QFETCH(int, button);
        const auto answer = QMessageBox::StandardButton(button);
        database *store = database::instance();
        const QString path = store->path();
        SettingsRecord stored;
        stored.scoreMode = true; // Kinnear
        stored.language = 1;     // French
        QVERIFY(store->updateSettings(stored));
        const QString another = TestSupport::tempDir() + QLatin1String("/another.sqlite");
        QVERIFY(store->newDatabase(another));
        QVERIFY(store->openDatabase(path));

        const QString name = QStringLiteral("other program");
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            other.setDatabaseName(path);
            QVERIFY(other.open());
            QSqlQuery hold(other);
            QVERIFY(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            store->initDatabase(); // as at start-up: waits for the lock, then gives up
            QVERIFY(!store->isUsable());

            QStringList boxes;
            MessageBoxes::setResponder([&](const MessageBoxes::Box &box) {
                boxes << box.text + QLatin1Char('|') + box.informativeText;
                if (answer == QMessageBox::Retry)
                    hold.exec(QStringLiteral("ROLLBACK"));
                return boxes.size() == 1 ? answer : QMessageBox::Cancel;
            });
            FileDialogs::setResponder(
                [another](FileDialogs::Kind, const QString &) { return another; });
            MainWindow w;
            QCOMPARE(boxes.size(), 1);
            QVERIFY2(boxes.first().contains(QLatin1String("could not be opened")) &&
                         boxes.first().contains(QLatin1String("in use by another program")),
                     qPrintable(boxes.first()));
            if (answer == QMessageBox::Retry) {
                QVERIFY(store->isUsable());
                QCOMPARE(w.languageCode(), QStringLiteral("fr"));
                QVERIFY(analysis(w)->isKinnear());
            } else if (answer == QMessageBox::Open) {
                QCOMPARE(store->path(), another);
                QVERIFY(!analysis(w)->isKinnear());
            } else {
                // Nothing shown in place of the file's settings may reach the file.
                QVERIFY(!store->updateSettings(SettingsRecord()));
                QVERIFY(!store->insertUserAndTest(
                    TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"))));
                QVERIFY2(store->lastError().contains(QLatin1String("in use by another program")),
                         qPrintable(store->lastError()));
            }
            hold.exec(QStringLiteral("ROLLBACK"));
        }
        QSqlDatabase::removeDatabase(name);
        QVERIFY(store->openDatabase(path));
        QCOMPARE(store->getSettings(), stored);
    }

    // Another program (another copy of this one saving as) put a new file in the place
    // of the open one: the examiner is told in words and may open the new file.
    void replacedFileIsOfferedForReopening()
    {
        database *store = database::instance();
        const QString path = store->path();
        TestSupport::storeEntry(
            TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee")));
        MainWindow w;
        const QString replacement = TestSupport::tempDir() + QLatin1String("/replacement.sqlite");
        QFile::remove(replacement);
        QVERIFY(QFile::copy(path, replacement));
        {
            QSqlDatabase other =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("saver"));
            other.setDatabaseName(replacement);
            QVERIFY(other.open());
            QSqlQuery q(other);
            QVERIFY(q.exec(QStringLiteral("INSERT INTO users (first) VALUES ('Bo')")));
            QVERIFY(
                q.exec(QStringLiteral("INSERT INTO tests (userID) VALUES (last_insert_rowid())")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("saver"));
        QCOMPARE(std::rename(QFile::encodeName(replacement).constData(),
                             QFile::encodeName(path).constData()),
                 0);

        BoxAnswerer answers({QMessageBox::Yes});
        QVERIFY(!store->insertUserAndTest(
            TestSupport::sampleEntry(QStringLiteral("Cy"), QStringLiteral("Ng"))));
        QVERIFY2(store->lastError().contains(QLatin1String("replaced or removed")),
                 qPrintable(store->lastError()));
        QTRY_COMPARE(answers.texts.size(), 1);
        QVERIFY2(answers.texts.first().startsWith(
                     QLatin1String("Another program replaced or removed the database file")),
                 qPrintable(answers.texts.first()));
        QCOMPARE(storedTests(), 2); // the file as it is now
        QVERIFY(store->insertUserAndTest(
            TestSupport::sampleEntry(QStringLiteral("Cy"), QStringLiteral("Ng"))));
        QCOMPARE(storedTests(), 3);
    }
};

QTEST_MAIN(TestMainWindowFlows)
#include "tst_mainwindowflows.moc"
