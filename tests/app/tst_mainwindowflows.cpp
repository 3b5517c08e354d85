// The window's wiring between the pages, driven through its buttons and actions.
#include "analysisformwidget.h"
#include "caporder.h"
#include "chartgraphicsview.h"
#include "csvformat.h"
#include "database.h"
#include "filedialogs.h"
#include "huetestformwidget.h"
#include "labelimagedisplay.h"
#include "mainwindow.h"
#include "messageboxes.h"
#include "pageprobe.h"
#include "preferences.h"
#include "storefixture.h"
#include "testsupport.h"
#include "vkresources.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>
#include <cstdio>

using Probe = DatabaseFormWidgetProbe;
using TestSupport::child;
using M = QMessageBox;

namespace {

QString t(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// Answers the window's message boxes in order; a box beyond the answers gets Ok.
struct Boxes
{
    QStringList texts;
    explicit Boxes(QList<M::StandardButton> answers = {})
    {
        MessageBoxes::setResponder([this, answers](const MessageBoxes::Box &box) mutable {
            texts << box.text;
            return answers.isEmpty() ? M::Ok : answers.takeFirst();
        });
    }
};

// The window with short ways to its parts, and the helpers the flows share.
struct Window : MainWindow
{
    static QString file(const char *name) { return TestSupport::tempDir() + t("/") + t(name); }
    static database *db() { return database::instance(); }
    static int stored() { return db()->getAllTests().size(); }
    static int store(const char *first, const char *last = "Lee", const QVector<int> &caps = {})
    {
        return TestSupport::storeEntry(TestSupport::sampleEntry(t(first), t(last), caps));
    }
    static QList<databaseEntry> withScores(QList<databaseEntry> all = db()->getAllTests())
    {
        for (databaseEntry &e : all)
            e.scores = db()->getScores(e.testID);
        return all;
    }
    static void answerFiles(QString path)
    {
        FileDialogs::setResponder([=](auto, auto) { return path; });
    }
    // Statements through a connection of another program.
    static bool sql(const QString &path, const char *first, const char *second)
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(t("QSQLITE"), path);
        other.setDatabaseName(path);
        return other.open() && QSqlQuery(other).exec(t(first)) && QSqlQuery(other).exec(t(second));
    }
    static preferences *prefs() // the window's dialog: without a parent
    {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<preferences *>(top))
                return dialog;
        qFatal("no preferences dialog");
    }
    static QString title()
    {
        return QFileInfo(db()->path()).fileName() + t(" — Veskora Scoring Software");
    }
    using Form = HueTestFormWidget;
    Form *form(bool view = false) const
    {
        return child<Form>(*this, view ? "viewHueTestWidget" : "newHueTestWidget");
    }
    using Analysis = AnalysisFormWidget;
    Analysis *analysis() const { return child<Analysis>(*this, "analysisWidget"); }
    DatabaseFormWidget *records() const
    {
        return child<DatabaseFormWidget>(*this, "databaseWidget");
    }
    void selectAll() const { child<QAbstractItemView>(*this, "tableDisplay")->selectAll(); }
    void click(const char *name, const QObject *in = nullptr) const
    {
        child<QPushButton>(in ? *in : *this, name)->click();
    }
    void trigger(const char *action) const { child<QAction>(*this, action)->trigger(); }
    QString status() const { return statusBar()->currentMessage(); }
    QString first(bool view) const { return child<QLineEdit>(*form(view), "firstName")->text(); }
    QComboBox *serials(bool view) const { return child<QComboBox>(*form(view), "serialCombo"); }
    // Drags one cap of tray 1 the way a drop does: by moving a row of the list's model.
    void moveCap(bool view, int from, int to) const // tray 1's list comes first
    {
        child<QListWidget>(*form(view), "listWidget")->model()->moveRow({}, from, {}, to);
    }
    void fillNames(const char *first, const char *last) const
    {
        const char *fields[][2] = {{"firstName", first}, {"lastName", last}, {"dob", "02/03/1990"}};
        for (const auto &f : fields)
            child<QLineEdit>(*form(), f[0])->setText(t(f[1]));
    }
    // The page shown, or -1 unless its own button is the only one checked.
    int page() const
    {
        const int shown = child<QStackedWidget>(*this, "stackedWidget")->currentIndex();
        const char *buttons[] = {"NewButton", "ViewButton", "AnalysisButton", "DatabaseButton"};
        for (int i = 0; i < 4; ++i)
            if (child<QPushButton>(*this, buttons[i])->isChecked() != (i == shown))
                return -1;
        return shown;
    }
};

} // namespace

class TestMainWindowFlows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { vkInitResources(); }
    void init() { TestSupport::useFreshDatabase(), MessageBoxes::setResponder({}); }

    void leavingAnEditedPageAsks_data()
    {
        QTest::addColumn<QString>("edit");   // "[view] move", "view comment", "named" (and a move)
        QTest::addColumn<QString>("target"); // the button clicked
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("page"); // shown afterwards
        const auto row = [](const char *tag, const char *edit, const char *target,
                            M::StandardButton answer, int page) {
            QTest::newRow(tag) << t(edit) << t(target) << int(answer) << page;
        };
        row("unchanged", "", "AnalysisButton", M::Cancel, 2);
        row("cancel keeps the page", "move", "AnalysisButton", M::Cancel, 0);
        row("discard resets", "move", "DatabaseButton", M::Discard, 3);
        row("save without names stays", "move", "AnalysisButton", M::Save, 0);
        // The page's own button is checked, whatever the save showed meanwhile.
        row("save, then analysis", "named", "AnalysisButton", M::Save, 2);
        row("save, then database", "named", "DatabaseButton", M::Save, 3);
        row("view page to new", "view move", "NewButton", M::Cancel, 1);
        row("typed comment counts", "view comment", "NewButton", M::Cancel, 1);
        row("closing, cancel", "move", "close", M::Cancel, 0);
        row("closing, discard", "move", "close", M::Discard, 0);
    }
    void leavingAnEditedPageAsks()
    {
        QFETCH(QString, edit);
        QFETCH(QString, target);
        QFETCH(int, answer);
        QFETCH(int, page);
        const bool view = edit.startsWith(t("view")), named = edit == t("named");
        Window w;
        if (view) {
            Window::store("Ann");
            w.testSelected(Window::withScores());
            w.click("ViewButton");
        }
        if (edit.endsWith(t("comment")))
            QTest::keyClicks(child<QWidget>(*w.form(view), "comments"), t("tired"));
        else if (!edit.isEmpty())
            w.moveCap(view, 5, 0);
        if (named)
            w.fillNames("Joanna", "Smith");
        Boxes boxes({M::StandardButton(answer)});
        if (target == t("close")) // closing must not drop an unsaved test either
            QCOMPARE(w.close(), answer == M::Discard);
        else
            w.click(qPrintable(target));
        const bool kept = answer == M::Cancel || (answer == M::Save && !named);
        QCOMPARE(w.form(view)->isChanged(), !edit.isEmpty() && kept);
        QCOMPARE(boxes.texts,
                 edit.isEmpty() ? QStringList() : QStringList{t("There are unsaved changes.")});
        QCOMPARE(w.page(), page);
        QCOMPARE(Window::stored(), int(view || named));
        const QString order = named ? Window::db()->getScores(t("1")) : w.form()->capOrderText();
        if (!view && !edit.isEmpty()) // kept, stored, or reset
            QCOMPARE(order.startsWith(t("5, 85, 1, 2, 3, 4, 6, ")), answer != M::Discard);
        if (view) {
            w.testSelected(Window::withScores()); // showing a stored test is no unsaved change
            QVERIFY(!w.form(true)->isChanged());
        }
    }

    // Saved on the new page, a test shows on View/Arrange and Analysis; updated there,
    // Analysis shows it as stored beside the rest of the selection; deleted, it is gone.
    void saveUpdateDeleteRoundTrip()
    {
        SettingsRecord s;
        s.tesReport = true;
        QVERIFY(Window::db()->updateSettings(s));
        Window w;
        w.fillNames("Ann", "Lee");
        w.moveCap(false, 1, 0); // positions 0 and 1 exchanged: TES 4
        w.click("saveButton", w.form());
        QCOMPARE(w.status(), t("The test of Ann Lee was saved."));
        QCOMPARE(w.page(), 1);
        QCOMPARE(w.first(true) + w.first(false), t("Ann")); // the new page is blank again
        QVERIFY(w.form(true)->isLoaded() && w.analysis()->isLoaded());

        Window::store("Bo", "Kim", TestSupport::cap85InTray2());
        w.trigger("actionDatabase");
        w.testSelected(Window::withScores()); // from the database page: Analysis first
        QCOMPARE(w.page(), 2);
        QCOMPARE(w.first(true), t("Ann"));
        QVERIFY(w.analysis()->reportTextPart1().contains(t("Total Error Score (TES): 4\n")));
        w.trigger("actionData_Entry_Screen");
        w.moveCap(true, 1, 0); // back to the untouched order
        auto *comments = child<QWidget>(*w.form(true), "comments");
        QTest::keyClick(comments, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(comments, t("edited"));
        w.click("saveButton", w.form(true));
        QCOMPARE(w.status(), t("The test of Ann Lee was updated."));
        QVERIFY(w.analysis()->reportTextPart1().contains(t("Total Error Score (TES): 0\n")));
        QVERIFY(w.analysis()->reportTextPart2().contains(t("Comments: edited\n")));
        QCOMPARE(Window::db()->getScores(t("1")), CapOrder::write(CapOrder::untouched()));
        // The other test stays beside it; the old record is not drawn again.
        const QVector<QVector<double>> curves = w.analysis()->polarView()->curves();
        QCOMPARE(curves.size(), 2);

        w.databaseViewSelected();
        w.selectAll();
        Boxes boxes({M::Yes});
        w.click("deleteButton");
        QCOMPARE(boxes.texts, QStringList{t("Delete 2 test(s)? This cannot be undone.")});
        QCOMPARE(Window::stored(), 0);
        QCOMPARE(w.status(), t("2 test(s) deleted."));
    }

    // Whatever changed the file, the database page then shows exactly the file's rows,
    // and after a switch nothing of the old file (selection, loaded test, settings,
    // cap sets, logo) acts on the new one.
    void fileChangesShowExactlyTheFilesRows_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("rows"); // the file's tests afterwards
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("message");    // part of the one message box, if any
        QTest::addColumn<QByteArray>("content"); // of the file imported; null: no such file
        const auto row = [](const char *change, int rows, const char *status = "",
                            const char *message = "", const QByteArray &content = {}) {
            QTest::newRow(change) << t(change) << rows << t(status) << t(message) << content;
        };
        const QString caps = CapOrder::write(CapOrder::untouched());
        const QByteArray head = CsvFormat::headerLine().toUtf8() + '\n';
        const QByteArray line =
            ",M,Lee,R,01/01/1990,01/01/2020,10,c,F,,,,,,,0," + caps.toUtf8() + '\n';
        const char *nothing = "Nothing was imported.";
        row("new", 0);
        row("open", 1);
        row("save as", 2);
        row("replaced", 4, "", "Another program replaced or removed the database file");
        row("csv export and import", 6, "3 test(s) imported.");
        // Every import that stores nothing says so, and why.
        row("csv missing", 3, nothing, "could not be read");
        row("csv with semicolons", 3, "Nothing was imported; 2 line(s) refused.",
            "2 line(s) could not be read as a test and were not imported; the first is line 2.",
            "First;Last\nAnn;Lee\nBo;Ray\n");
        // A line the store refuses ends the import: nothing of the file is kept.
        row("csv line the store refuses", 3, nothing,
            "Nothing was imported: line 3 could not be stored: ",
            head + "Good" + line + "Bad" + line + "no test\n");
        row("hdb of one letter", 3,
            "Nothing was imported; 6 place(s) of the file held no readable record.",
            "holds no test record", QByteArray(2000, 'x'));
        row("vkt of nonsense", 3, nothing, "holds no test record",
            "<plist>\rnothing here\r</plist>\r");
        row("saved test", 4, "The test of Eve Fox was saved.");
        row("subject renamed", 3);
        row("refused delete", 3);
        row("other connection", 2);
    }
    void fileChangesShowExactlyTheFilesRows()
    {
        QFETCH(QString, change);
        QFETCH(int, rows);
        QFETCH(QString, status);
        QFETCH(QString, message);
        QFETCH(QByteArray, content);
        database *db = Window::db();
        // New and Save As add the extension; Open takes the name as chosen.
        const QString other = Window::file("other-") + QString(change).remove(QLatin1Char(' '));
        const QString otherFile = other + t(".sqlite");
        if (change == t("open")) {
            QVERIFY(db->newDatabase(otherFile));
            SettingsRecord kinnear;
            kinnear.scoreMode = true;
            QVERIFY(db->updateSettings(kinnear));
            Window::store("Dan", "Ot");
        }
        const QString path = TestSupport::useFreshDatabase();
        Window::store("Ann"); // two tests of one subject, one of another
        Window::store("Ann");
        Window::store("Bob", "Ray");
        // The store refuses a subject named Bad and deleting Bob's test.
        QVERIFY(Window::sql(
            path,
            "CREATE TRIGGER refuse BEFORE INSERT ON users WHEN NEW.first = 'Bad' BEGIN SELECT "
            "RAISE(ABORT, 'no'); END",
            "CREATE TRIGGER keep BEFORE DELETE ON tests WHEN OLD.id = 3 AND NOT EXISTS (SELECT 1 "
            "FROM users WHERE last = 'Moved') BEGIN SELECT RAISE(ABORT, 'kept'); END"));
        QVERIFY(db->insertSerialNum(t("111"), t("01/02/2025")));
        SettingsRecord logo;
        logo.footerImgPath = Window::file("logo.png");
        logo.serialNum = 1;
        QVERIFY(db->updateSettings(logo));
        Window w;
        w.databaseViewSelected();
        w.selectAll();
        w.form(true)->showEntry(Window::withScores().last());
        Boxes boxes({M::Yes, M::Ok});
        const bool named =
            change == t("new") || change == t("save as") || change.startsWith(t("csv e"));
        Window::answerFiles(named ? other : otherFile);
        if (change == t("new") || change == t("open")) {
            w.trigger(change == t("new") ? "actionNew" : "actionOpen");
        } else if (change == t("save as")) {
            QVERIFY(db->deleteTests({db->getAllTests().first()})); // the copy numbers afresh
            w.trigger("actionSave_As");
        } else if (change == t("replaced")) { // by another program, with one test more
            QVERIFY(QFile::copy(path, otherFile));
            QVERIFY(Window::sql(otherFile, "INSERT INTO users (first) VALUES ('Bo')",
                                "INSERT INTO tests (userID) VALUES (last_insert_rowid())"));
            QCOMPARE(std::rename(QFile::encodeName(otherFile).constData(),
                                 QFile::encodeName(path).constData()),
                     0);
            QVERIFY(!db->insertUserAndTest(TestSupport::sampleEntry(t("Cy"), t("Ng"))));
            QVERIFY2(db->lastError().contains(t("replaced or removed")),
                     qPrintable(db->lastError()));
            QTRY_COMPARE(boxes.texts.size(), 1); // answered Yes: open the file as it is now
        } else if (change == t("csv export and import")) {
            w.trigger("actionSelected_Records_as_CSV");
            QCOMPARE(w.status(), t("The selected tests were written to %1.txt.")
                                     .arg(QDir::toNativeSeparators(other)));
            Window::answerFiles(other + t(".txt"));
            w.trigger("actionComma_Separated_Values_CSV");
            QStringList was, is; // every test once more, with its name and TES
            for (const databaseEntry &e : db->getAllTests())
                (was.size() < 3 ? was : is) << e.first + e.last + e.tes;
            QCOMPARE(is.size(), 3);
            was.sort();
            is.sort();
            QCOMPARE(is, was);
        } else if (change.contains(QRegularExpression(t("^(csv|hdb|vkt) ")))) {
            QVERIFY(content.isNull() || StoreFixture::writeFile(otherFile, content));
            const QString kind = change.left(3);
            w.trigger(kind == t("csv")   ? "actionComma_Separated_Values_CSV"
                      : kind == t("hdb") ? "actionVK100_Database_Version_1_HDB"
                                         : "actionVK100_Database_Version_2_VKT");
        } else if (change == t("saved test")) {
            w.fillNames("Eve", "Fox");
            w.click("saveButton", w.form());
            QCOMPARE(w.first(true), t("Eve")); // found by its id
        } else if (change == t("subject renamed")) {
            const databaseEntry loaded = Window::withScores().first();
            databaseEntry edited = loaded;
            edited.last = t("Lane");
            edited.scores = CapOrder::write(TestSupport::swapped(TestSupport::ascending(), 3, 4));
            QVERIFY(db->updateUserAndTest(edited, loaded));
        } else if (change == t("refused delete")) {
            w.click("deleteButton");
            QCOMPARE(boxes.texts.size(), 2); // the question, then the refusal
        } else {
            QVERIFY(Window::sql(path, "UPDATE users SET last = 'Moved' WHERE first = 'Ann'",
                                "DELETE FROM tests WHERE id = 2"));
        }
        QVERIFY2(status.isEmpty() || w.status() == status, qPrintable(w.status()));
        QVERIFY2(message.isEmpty() ||
                     (boxes.texts.size() == 1 && boxes.texts.first().contains(message)),
                 qPrintable(boxes.texts.join(t("|"))));
        w.databaseViewSelected();
        QList<databaseEntry> shown;
        for (int r = 0; r < Probe::model(*w.records())->rowCount(); ++r)
            shown.append(Probe::model(*w.records())->entry(r));
        std::sort(shown.begin(), shown.end(), [](const databaseEntry &a, const databaseEntry &b) {
            return a.testID.toInt() < b.testID.toInt();
        });
        QCOMPARE(shown, db->getAllTests());
        QCOMPARE(shown.size(), rows);
        const bool switched = change == t("new") || change == t("open") || change == t("save as");
        QCOMPARE(db->path(), switched ? otherFile : path);
        QCOMPARE(w.windowTitle(), Window::title());
        if (!switched)
            return;
        const bool copy = change == t("save as");
        QVERIFY(!w.form(true)->isLoaded()); // no Update can reach a test of the other file
        QCOMPARE(Probe::csvLines(*w.records()).size(),
                 1); // the header
        QCOMPARE(w.analysis()->isKinnear(), change == t("open"));
        preferences *prefs = Window::prefs();
        QCOMPARE(prefs->getSerialNumbers(), copy ? QStringList{t("111")} : QStringList());
        QCOMPARE(prefs->getFooterImgPath(), copy ? logo.footerImgPath : QString());
        prefs->exec();
        prefs->okClicked();
        QCOMPARE(db->getSettings().footerImgPath, copy ? logo.footerImgPath : QString());
    }

    // Where a flow ends in a message (the answer to the first box, the part every box's text
    // holds): a file locked at start-up, a missing manual, failed or partial reports.
    void edgesAreReported_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("message"); // shown once, by logo rows once per path
        QTest::newRow("locked, retry") << int(M::Retry) << t("could not be opened: no test");
        QTest::newRow("locked, open another") << int(M::Open) << t("could not be opened: no test");
        QTest::newRow("locked, go on without it") << int(M::Cancel) << t("could not be opened: no");
        QTest::newRow("no help folder") << 0 << t("/Help/English/html/index.htm was not found.");
        QTest::newRow("pdf, missing folder") << 0 << t("/no/r.pdf could not be written.");
        QTest::newRow("pdf of a selection") << 0 << QString();
        // A preview once drew without the logo and said nothing.
        for (const char *flow : {"logo, pdf", "logo, preview"})
            QTest::newRow(flow) << 0 << t("The report was made without its footer logo: ");
    }
    void edgesAreReported()
    {
        QFETCH(int, answer);
        QFETCH(QString, message);
        const QByteArray flow = QTest::currentDataTag();
        const bool locked = flow.startsWith("locked");
        database *db = Window::db();
        const QString path = db->path(), other = path + t("-2.sqlite"), logo = path + t(".png");
        for (const char *first : {"Quincy", "Ursula", "Zelda"})
            Window::store(first);
        SettingsRecord s;
        s.scoreMode = true; // Kinnear
        s.footerImgPath = flow.startsWith("logo") ? Window::file("missing.png") : logo;
        QVERIFY(QFile::copy(t(":/Images/add.png"), logo) && db->updateSettings(s) &&
                db->newDatabase(other) && db->openDatabase(path));
        // Another program holds the file's lock while the window starts: start-up gives up
        // (the lock is released before the examiner answers).
        QVERIFY(!locked || (Window::sql(path, "BEGIN EXCLUSIVE", "SELECT 1") &&
                            (db->initDatabase(), !db->isUsable()) &&
                            QSqlQuery(QSqlDatabase::database(path)).exec(t("ROLLBACK"))));
        Boxes boxed({M::StandardButton(answer)});
        Window::answerFiles(locked ? other : Window::file(flow.contains("missing") ? "no/r" : "r"));
        Window w;
        // Start-up leaves the stored logo unread until it is shown or asked for.
        auto *picker = child<labelImageDisplay>(*Window::prefs(), "logoSelection");
        QLabel *shown = child<QLabel>(*picker, "label");
        QVERIFY(shown->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(picker->getImage().isNull() || shown->pixmap(Qt::ReturnByValue).isNull(),
                 QImage(picker->getImagePath()).isNull());
        if (locked) { // the settings shown meanwhile never replace the stored ones
            QVERIFY(answer == M::Cancel || w.analysis()->isKinnear() == (answer == M::Retry));
            QCOMPARE(db->path(), answer == M::Open ? other : path);
            QVERIFY(answer != M::Cancel || !db->updateSettings(SettingsRecord()));
            QVERIFY(db->openDatabase(path) && db->getSettings() == s);
        } else if (flow.startsWith("no help")) {
            w.click("HelpButton");
        } else if (flow.startsWith("pdf")) { // a page each, in the order picked
            auto *table = child<QTableView>(w, "tableDisplay");
            table->setSelectionMode(QAbstractItemView::MultiSelection);
            for (int row : {1, 2, 0}) // the newest test comes first
                table->selectRow(row);
            w.trigger("actionSelected_Records_as_PDF");
            QProcess pdf;
            pdf.start(t("pdftotext"), {Window::file("r.pdf"), t("-")});
            const QRegularExpression order(t("(?s)Ursula M .*Quincy M .*Zelda M "));
            QVERIFY(!message.isEmpty() ||
                    (pdf.waitForFinished() &&
                     order.match(QString::fromUtf8(pdf.readAll())).hasMatch()));
        } else {
            const bool preview = flow.endsWith("preview");
            for (const char *name : {"missing.png", "missing.png", "gone.png"}) {
                s.footerImgPath = Window::file(name);
                QVERIFY(db->updateSettings(s));
                Window::prefs()->loadSettings();
                if (preview) // closed as soon as it shows
                    QTimer::singleShot(0, &w, [&] { child<QDialog>(w, "printPreview")->reject(); });
                w.trigger(preview ? "actionPrint_Preview" : "actionSelected_Records_as_PDF");
            }
            QVERIFY(boxed.texts.value(1).contains(t("gone.png")));
        }
        QCOMPARE(boxed.texts.size(), message.isEmpty() ? 0 : flow.startsWith("logo") ? 2 : 1);
        for (const QString &text : boxed.texts)
            QVERIFY2(text.contains(message), qPrintable(text));
    }

    // Ok applies the dialog's choices, a language among them, which retranslates in
    // place and keeps the choices made on the pages; Cancel stores nothing. Either way
    // both pages keep their chosen serial numbers, and an Update keeps the shown test's
    // one. English, or a language without a file, drops the translation again.
    void preferencesAndLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("ok");
        for (const char *code : {"fr", "de", "it", "ja", "pt", "es", "zh_Hans", "zh_Hant"})
            QTest::newRow(code) << t(code) << true;
        QTest::newRow("Cancel") << t("de") << false;
    }
    void preferencesAndLanguage()
    {
        QFETCH(QString, code);
        QFETCH(bool, ok);
        for (const char *serial : {"111", "222"})
            QVERIFY(Window::db()->insertSerialNum(t(serial), t("01/02/2025")));
        databaseEntry e = TestSupport::sampleEntry(t("Ann"), t("Lee"));
        e.serialNum = t("222");
        TestSupport::storeEntry(e);
        const bool tes = Window::db()->getSettings().tesGui;
        Window w;
        w.testSelected(Window::withScores());
        w.serials(false)->setCurrentIndex(1);
        auto *illumination = child<QComboBox>(*w.form(), "illuminationCombo");
        illumination->setCurrentIndex(8); // "Other"
        const auto shown = [&] {
            return QStringList{w.windowTitle(), child<QPushButton>(w, "NewButton")->text(),
                               child<QLabel>(*w.analysis(), "styleLabel")->text(),
                               illumination->currentText()};
        };
        const QStringList english = shown();
        QCOMPARE(english.first(), Window::title());
        preferences *prefs = Window::prefs();
        prefs->exec();
        child<QAbstractButton>(*prefs, "kinnearScoringButton")->click();
        child<QAbstractButton>(*prefs, "guiTESCheckbox")->click();
        for (int i = 0; ok && i < 10; ++i)
            if (preferences::languageCode(i) == code)
                child<QComboBox>(*prefs, "languageComboBox")->setCurrentIndex(i);
        ok ? prefs->okClicked() : prefs->cancelClicked();
        QCOMPARE(Window::db()->getSettings().tesGui, ok != tes);
        QVERIFY(w.analysis()->isKinnear() || !ok);
        QCOMPARE(w.serials(false)->currentText() + w.serials(true)->currentText(), t("111222"));
        for (const QString &language : {QString(), t("en"), code, t("xx")}) {
            if (!language.isEmpty()) {
                w.setLanguageCode(language);
                w.loadLanguage();
            }
            const QStringList now = shown();
            for (int i = 0; i < now.size(); ++i)
                QVERIFY2((now.at(i) != english.at(i)) ==
                             (language.isEmpty() ? ok : language == code),
                         qPrintable(now.at(i)));
            QCOMPARE(illumination->currentIndex(), 8);
        }
        QVERIFY(w.form(true)->save());
        QCOMPARE(Window::db()->getAllTests().last().serialNum, t("222"));
    }
};

QTEST_MAIN(TestMainWindowFlows)
#include "tst_mainwindowflows.moc"
