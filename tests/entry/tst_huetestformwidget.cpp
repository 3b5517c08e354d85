#include "capnumbersdialog.h"
#include "caporder.h"
#include "clock.h"
#include "copyoperations.h"
#include "database.h"
#include "hueswatchlinewidget.h"
#include "huetestformwidget.h"
#include "scorewidget.h"
#include "testsupport.h"
#include "vkresources.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QtTest>

Q_DECLARE_METATYPE(databaseEntry)

namespace {

using TestSupport::child;

QLineEdit *edit(QWidget &form, const char *name)
{
    return child<QLineEdit>(form, name);
}
QComboBox *combo(QWidget &form, const char *name)
{
    return child<QComboBox>(form, name);
}

HueSwatchLineWidget *tray(QWidget &form, int n)
{
    return child<HueSwatchLineWidget>(form, qPrintable(QStringLiteral("HueLine%1").arg(n)));
}

bool move(QWidget &form, int trayNumber, int from, int to)
{
    QListWidget *list = tray(form, trayNumber)->findChild<QListWidget *>();
    return list->model()->moveRow(QModelIndex(), from, QModelIndex(), to);
}

QString scoreOn(QWidget &form, int trayNumber, int row)
{
    return tray(form, trayNumber)
        ->tileAt(row)
        ->findChild<QLabel *>(QStringLiteral("score"))
        ->text();
}

// The text of the message the form shows, closing it; empty when none is shown.
QString takeMessage(QWidget &form)
{
    QString text;
    const QList<QMessageBox *> boxes = form.findChildren<QMessageBox *>();
    for (QMessageBox *box : boxes) {
        if (box->isVisible())
            text = box->text();
        box->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return text;
}

int countRows(const QString &table)
{
    QSqlQuery q(database::instance()->currentConnection());
    if (!q.exec(QStringLiteral("SELECT count(*) FROM ") + table) || !q.next())
        return -1;
    return q.value(0).toInt();
}

// Subject and test columns of every stored test, oldest first.
QList<QStringList> storedRows()
{
    QList<QStringList> rows;
    QSqlQuery q(database::instance()->currentConnection());
    q.exec(QStringLiteral(
        "SELECT u.first, u.middle, u.last, u.refNum, u.DOB, u.gender, u.location, u.industry, "
        "u.experience, u.job, t.illumination, t.testDate, t.comments, t.scores, t.serialNum, "
        "t.time FROM tests t JOIN users u ON u.id = t.userID ORDER BY t.id"));
    while (q.next()) {
        QStringList row;
        for (int i = 0; i < 16; ++i)
            row.append(q.value(i).toString());
        rows.append(row);
    }
    return rows;
}

// Types text one character at a time, as a keyboard with any layout would.
void typeText(QWidget *w, const QString &text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &release);
    }
}

QString fillOn(const QVector<int> &caps)
{
    return CapOrder::write(caps);
}

void makeViewForm(HueTestFormWidget &form)
{
    form.setMode(QStringLiteral("viewView"));
    form.setSaveButtonText(QStringLiteral("Update"));
    form.disableSubjectFields();
}

// A stored test as the main window hands it over: loaded, then its arrangement fetched.
databaseEntry storedEntry(const databaseEntry &e)
{
    const int id = TestSupport::storeEntry(e);
    const QList<databaseEntry> all = database::instance()->getAllTests();
    for (databaseEntry stored : all) {
        if (stored.testID.toInt() == id) {
            stored.scores = database::instance()->getScores(stored.testID);
            return stored;
        }
    }
    return {};
}

// The tray changes an examiner makes, each on its own tray so that they combine freely.
void act(HueTestFormWidget &form, const QString &step)
{
    if (step == QLatin1String("drag")) {
        QVERIFY(move(form, 1, 0, 3));
    } else if (step == QLatin1String("key")) {
        tray(form, 2)->focusCap(0);
        QTest::keyClick(tray(form, 2)->findChild<QListWidget *>(), Qt::Key_Right,
                        Qt::ControlModifier);
    } else if (step == QLatin1String("typed") || step == QLatin1String("cancel")) {
        child<QPushButton>(form, "typeCapsButton")->click();
        auto *dialog = form.findChild<CapNumbersDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        QStringList reversed;
        for (int cap = 63; cap >= 43; --cap)
            reversed << QString::number(cap);
        child<QLineEdit>(*dialog, "trayLine3")->setText(reversed.join(QLatin1Char(' ')));
        const bool apply = step == QLatin1String("typed");
        child<QPushButton>(*dialog, apply ? "applyButton" : "cancelButton")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form.findChild<CapNumbersDialog *>());
    } else if (step == QLatin1String("reset")) {
        child<QPushButton>(form, "resetButton")->click();
    } else if (step == QLatin1String("undo")) {
        form.undoStack()->undo();
    } else if (step == QLatin1String("redo")) {
        form.undoStack()->redo();
    } else {
        QFAIL(qPrintable(step));
    }
}

// The untouched arrangement with the given changes made.
QVector<int> arrangedBy(const QStringList &steps)
{
    QVector<int> caps = CapOrder::untouched();
    if (steps.contains(QLatin1String("drag")))
        caps = QVector<int>{1, 2, 85} + caps.mid(3);
    if (steps.contains(QLatin1String("key")))
        std::swap(caps[22], caps[23]);
    if (steps.contains(QLatin1String("typed")))
        std::reverse(caps.begin() + 43, caps.begin() + 64);
    return caps;
}

} // namespace

class TestHueTestFormWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyEditMarksChanged_data();
    void everyEditMarksChanged();
    void oneLineFieldsStoreNoControlCharacters();
    void showScoresPutsPositionScoresOnTiles();
    void missingNameStoresNothing_data();
    void missingNameStoresNothing();
    void saveStoresTheTabledFields();
    void saveKeepsAGivenTestDateAndAddsASubjectEveryTime();
    void failedStoreLeavesTheFormAsItWas();
    void showEntryFillsTheForm();
    void showEntryAppendsUnknownChoicesOnce();
    void showEntryCompletesAShortArrangement_data();
    void showEntryCompletesAShortArrangement();
    void updateRewritesTheStoredTest();
    void updateAfterResetWritesNothing();
    void failedUpdateIsReportedAndUndone();
    void resetTestOnlyInTheNewForm();
    void undoRedoTrayChanges_data();
    void undoRedoTrayChanges();
    void savedOrShownTestStartsAFreshHistory();
    void upAndDownCarryTheFocusBetweenTrays();
    void defaultsAndSerialNumbers();
    void retranslateKeepsTheModeLabel();
    void namesAreFreeTimeIsNumeric();
    void focusAndSelectionsReachCopyOperations();
};

void TestHueTestFormWidget::initTestCase()
{
    vkInitResources();
    copyOperations::instance()->setApplication(qApp);
    qRegisterMetaType<databaseEntry>();
}

void TestHueTestFormWidget::init()
{
    TestSupport::useFreshDatabase();
    Clock::setToday(QDate(2024, 3, 7));
}

void TestHueTestFormWidget::cleanup()
{
    Clock::setToday(QDate());
}

void TestHueTestFormWidget::everyEditMarksChanged_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("viewForm");
    for (const bool view : {false, true}) {
        const char *form = view ? "view: " : "new: ";
        for (const char *kind :
             {"tray move", "typed name", "typed comment", "chosen combo", "edit menu paste"})
            QTest::addRow("%s%s", form, kind) << QString::fromLatin1(kind) << view;
    }
}

void TestHueTestFormWidget::everyEditMarksChanged()
{
    QFETCH(QString, kind);
    QFETCH(bool, viewForm);
    HueTestFormWidget form;
    form.setSerialNumbers({QStringLiteral("A1")});
    if (viewForm) {
        makeViewForm(form);
        form.showEntry(TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee")));
    }
    // Filling, refilling and translating the form are not edits.
    form.setSerialNumbers({QStringLiteral("A1"), QStringLiteral("B2")});
    form.retranslateForm();
    QVERIFY(!form.isChanged());

    auto *comments = child<QPlainTextEdit>(form, "comments");
    if (kind == QLatin1String("tray move")) {
        QVERIFY(move(form, 3, 4, 0));
    } else if (kind == QLatin1String("typed name")) {
        QTest::keyClicks(edit(form, "referenceNumber"), QStringLiteral("R7"));
    } else if (kind == QLatin1String("typed comment")) {
        QTest::keyClicks(comments, QStringLiteral("tired"));
    } else if (kind == QLatin1String("chosen combo")) {
        QComboBox *job = combo(form, "jobCombo");
        job->setFocus();
        QTest::keyClick(job, Qt::Key_Down);
        QVERIFY(job->currentIndex() > 0);
    } else {
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        copyOperations::instance()->setPlainTextEdit(comments);
        copyOperations::instance()->paste();
        QVERIFY(comments->toPlainText().contains(QStringLiteral("pasted")));
    }
    QVERIFY(form.isChanged());

    if (viewForm) {
        form.showEntry(TestSupport::sampleEntry(QStringLiteral("Bo"), QStringLiteral("Kim")));
        QVERIFY(!form.isChanged());
    }
    form.resetForm();
    QVERIFY(!form.isChanged());
    QCOMPARE(form.capOrderText(), CapOrder::write(CapOrder::untouched()));
    QCOMPARE(edit(form, "firstName")->text(), QString());
}

void TestHueTestFormWidget::oneLineFieldsStoreNoControlCharacters()
{
    HueTestFormWidget form;
    form.setMode(QStringLiteral("newView"));
    QLineEdit *first = edit(form, "firstName");
    first->setFocus();
    // The line edit's own paste, as Ctrl+V does it.
    QGuiApplication::clipboard()->setText(QStringLiteral("\u202eAnn\nMarie\u0007"));
    first->paste();
    QCOMPARE(first->text(), QStringLiteral("Ann Marie"));
    QCOMPARE(first->cursorPosition(), 9);
    QVERIFY(form.isChanged());
    // A field filled without an edit is cleaned when stored.
    edit(form, "lastName")->setText(QStringLiteral("Lee\u202d\r\n"));
    edit(form, "dob")->setText(QStringLiteral("01/02/1990"));
    child<QPlainTextEdit>(form, "comments")->setPlainText(QStringLiteral("one\u202e\ntwo"));
    QVERIFY(form.save());
    const QList<QStringList> rows = storedRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().at(0), QStringLiteral("Ann Marie"));
    QCOMPARE(rows.first().at(2), QStringLiteral("Lee "));
    QCOMPARE(rows.first().at(12), QStringLiteral("one\ntwo"));
}

void TestHueTestFormWidget::showScoresPutsPositionScoresOnTiles()
{
    HueTestFormWidget form;
    QCheckBox *box = child<QCheckBox>(form, "checkBox");
    box->click();
    QVERIFY(box->isChecked());
    for (int t = 1; t <= 4; ++t)
        for (int row = 0; row < tray(form, t)->count(); ++row)
            QCOMPARE(scoreOn(form, t, row), QStringLiteral("2"));

    // Cap 5 to the left end of tray 1: 5, 85, 1, 2, 3, 4, 6, ...
    QVERIFY(move(form, 1, 5, 0));
    const QStringList tray1 = {QStringLiteral("11"), QStringLiteral("6"), QStringLiteral("2"),
                               QStringLiteral("2"),  QStringLiteral("2"), QStringLiteral("3"),
                               QStringLiteral("3"),  QStringLiteral("2")};
    for (int row = 0; row < tray1.size(); ++row)
        QCOMPARE(scoreOn(form, 1, row), tray1.at(row));
    QCOMPARE(scoreOn(form, 4, 20), QStringLiteral("7"));
    QCOMPARE(scoreOn(form, 2, 0), QStringLiteral("2"));

    box->click();
    QVERIFY(!box->isChecked());
    for (int t = 1; t <= 4; ++t)
        for (int row = 0; row < tray(form, t)->count(); ++row)
            QCOMPARE(scoreOn(form, t, row), QString());
    // With the box unticked a move shows nothing.
    QVERIFY(move(form, 1, 0, 5));
    QCOMPARE(scoreOn(form, 1, 0), QString());
}

void TestHueTestFormWidget::missingNameStoresNothing_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("dob");
    QTest::newRow("no first name") << ""
                                   << "Lee"
                                   << "01/02/1980";
    QTest::newRow("no last name") << "Ann"
                                  << ""
                                  << "01/02/1980";
    QTest::newRow("no date of birth") << "Ann"
                                      << "Lee"
                                      << "";
    QTest::newRow("nothing") << ""
                             << ""
                             << "";
}

void TestHueTestFormWidget::missingNameStoresNothing()
{
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, dob);
    HueTestFormWidget form;
    form.setMode(QStringLiteral("newView"));
    edit(form, "firstName")->setText(first);
    edit(form, "lastName")->setText(last);
    edit(form, "dob")->setText(dob);
    QVERIFY(move(form, 2, 0, 3));
    QSignalSpy saved(&form, &HueTestFormWidget::savedNewTest);
    QVERIFY(!form.save());
    QCOMPARE(takeMessage(form),
             QStringLiteral("Please enter a date of birth and first and last names."));
    QCOMPARE(saved.count(), 0);
    QCOMPARE(countRows(QStringLiteral("users")), 0);
    QCOMPARE(countRows(QStringLiteral("tests")), 0);
    QVERIFY(form.isChanged());
    QCOMPARE(edit(form, "firstName")->text(), first);
}

void TestHueTestFormWidget::saveStoresTheTabledFields()
{
    HueTestFormWidget form;
    form.setMode(QStringLiteral("newView"));
    form.setSerialNumbers({QStringLiteral("SN-1"), QStringLiteral("SN-2")});
    edit(form, "firstName")->setText(QStringLiteral(" ")); // a blank counts as entered
    edit(form, "middleName")->setText(QStringLiteral("Q"));
    edit(form, "lastName")->setText(QStringLiteral("Lee"));
    edit(form, "referenceNumber")->setText(QStringLiteral("R7"));
    edit(form, "gender")->setText(QStringLiteral("Female"));
    edit(form, "dob")->setText(QStringLiteral("01/02/1980"));
    edit(form, "time")->setText(QStringLiteral("12"));
    child<QPlainTextEdit>(form, "comments")->setPlainText(QStringLiteral("two\nlines"));
    combo(form, "illuminationCombo")->setCurrentIndex(2);
    combo(form, "locationCombo")->setCurrentIndex(4);
    combo(form, "industryCombo")->setCurrentIndex(9);
    combo(form, "jobCombo")->setCurrentIndex(1);
    combo(form, "experienceCombo")->setCurrentIndex(5);
    combo(form, "serialCombo")->setCurrentIndex(2);
    QVERIFY(move(form, 1, 5, 0));
    const QString arrangement = form.capOrderText();

    QSignalSpy saved(&form, &HueTestFormWidget::savedNewTest);
    QVERIFY(form.save());
    QCOMPARE(takeMessage(form), QString());
    QCOMPARE(saved.count(), 1);
    const QList<QStringList> rows = storedRows();
    QCOMPARE(rows.size(), 1);
    const QStringList expected = {
        QStringLiteral(" "),          QStringLiteral("Q"),
        QStringLiteral("Lee"),        QStringLiteral("R7"),
        QStringLiteral("01/02/1980"), QStringLiteral("Female"),
        QStringLiteral("Europe"),     QStringLiteral("Pigment/Colorant manufacturer"),
        QStringLiteral("20 + years"), QStringLiteral("Quality Control"),
        QStringLiteral("D65"),        QStringLiteral("03/07/2024"),
        QStringLiteral("two\nlines"), arrangement,
        QStringLiteral("SN-2"),       QStringLiteral("12")};
    QCOMPARE(rows.first(), expected);
    QVERIFY(arrangement.startsWith(QLatin1String("5, 85, 1, 2, 3, 4, 6, ")));

    // Saved and reset: blank fields, untouched trays, the date field still empty.
    QVERIFY(!form.isChanged());
    QCOMPARE(edit(form, "lastName")->text(), QString());
    QCOMPARE(edit(form, "testDate")->text(), QString());
    QCOMPARE(combo(form, "illuminationCombo")->currentIndex(), 0);
    QCOMPARE(form.capOrderText(), CapOrder::write(CapOrder::untouched()));
}

void TestHueTestFormWidget::saveKeepsAGivenTestDateAndAddsASubjectEveryTime()
{
    HueTestFormWidget form;
    form.setMode(QStringLiteral("newView"));
    for (int i = 0; i < 2; ++i) {
        edit(form, "firstName")->setText(QStringLiteral("Ann"));
        edit(form, "lastName")->setText(QStringLiteral("Lee"));
        edit(form, "dob")->setText(QStringLiteral("01/02/1980"));
        edit(form, "testDate")->setText(QStringLiteral("12/31/2023"));
        QVERIFY(form.save());
    }
    QCOMPARE(countRows(QStringLiteral("users")), 2);
    const QList<QStringList> rows = storedRows();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(1).at(11), QStringLiteral("12/31/2023"));
    QCOMPARE(rows.at(1).at(6), QString()); // empty choices store empty texts
    QCOMPARE(rows.at(1).at(13), CapOrder::write(CapOrder::untouched()));
}

void TestHueTestFormWidget::failedStoreLeavesTheFormAsItWas()
{
    HueTestFormWidget form;
    form.setMode(QStringLiteral("newView"));
    edit(form, "firstName")->setText(QStringLiteral("Ann"));
    edit(form, "lastName")->setText(QStringLiteral("Lee"));
    edit(form, "dob")->setText(QStringLiteral("01/02/1980"));
    QVERIFY(move(form, 4, 0, 20));
    const QString arrangement = form.capOrderText();
    {
        QSqlQuery q(database::instance()->currentConnection());
        QVERIFY(q.exec(QStringLiteral("DROP TABLE tests")));
    }
    QSignalSpy saved(&form, &HueTestFormWidget::savedNewTest);
    QVERIFY(!form.save());
    QCOMPARE(takeMessage(form), QStringLiteral("The test could not be saved."));
    QCOMPARE(saved.count(), 0);
    // The subject row went back with the test that could not follow it.
    QCOMPARE(countRows(QStringLiteral("users")), 0);
    QVERIFY(form.isChanged());
    QCOMPARE(edit(form, "firstName")->text(), QStringLiteral("Ann"));
    QCOMPARE(form.capOrderText(), arrangement);
}

void TestHueTestFormWidget::showEntryFillsTheForm()
{
    HueTestFormWidget form;
    makeViewForm(form);
    form.setSerialNumbers({QStringLiteral("1234")});
    databaseEntry e = TestSupport::sampleEntry(QStringLiteral("Zoë"), QStringLiteral("Lee"),
                                               TestSupport::swapped(CapOrder::untouched(), 0, 84));
    e.testID = QStringLiteral("3");
    e.experience = QStringLiteral("3 - 5 years");
    e.industry = QString();
    e.comments = QStringLiteral("a\nb");
    form.showEntry(e);
    QVERIFY(form.isLoaded());
    QCOMPARE(edit(form, "firstName")->text(), e.first);
    QCOMPARE(edit(form, "middleName")->text(), e.middle);
    QCOMPARE(edit(form, "lastName")->text(), e.last);
    QCOMPARE(edit(form, "referenceNumber")->text(), e.refNum);
    QCOMPARE(edit(form, "dob")->text(), e.DOB);
    QCOMPARE(edit(form, "testDate")->text(), e.testDate);
    QCOMPARE(edit(form, "time")->text(), e.time);
    QCOMPARE(edit(form, "gender")->text(), e.gender);
    QCOMPARE(child<QPlainTextEdit>(form, "comments")->toPlainText(), e.comments);
    QCOMPARE(combo(form, "experienceCombo")->currentIndex(), 2);
    QCOMPARE(combo(form, "illuminationCombo")->currentIndex(), 2);
    QCOMPARE(combo(form, "industryCombo")->currentIndex(), 0);
    QCOMPARE(combo(form, "serialCombo")->currentIndex(), 1);
    QCOMPARE(form.capOrderText(), e.scores);
    QVERIFY(!form.isChanged());
    for (const char *name : {"firstName", "middleName", "lastName", "dob"})
        QVERIFY2(!edit(form, name)->isEnabled(), name);

    // The stored order is now the trays' own: a reset goes back to it.
    QVERIFY(move(form, 2, 0, 5));
    form.resetForm();
    QCOMPARE(form.capOrderText(), e.scores);
}

void TestHueTestFormWidget::showEntryAppendsUnknownChoicesOnce()
{
    HueTestFormWidget form;
    databaseEntry e = TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"));
    e.industry = QStringLiteral("Pigment/Colorant Manufacturer");
    e.serialNum = QStringLiteral("SN-9");
    QComboBox *industry = combo(form, "industryCombo");
    form.showEntry(e);
    QCOMPARE(industry->count(), 26);
    QCOMPARE(industry->currentIndex(), 25);
    QCOMPARE(industry->currentText(), e.industry);
    QCOMPARE(industry->itemText(9), QStringLiteral("Pigment/Colorant manufacturer"));
    form.showEntry(e);
    QCOMPARE(industry->count(), 26);
    QCOMPARE(combo(form, "serialCombo")->currentText(), QStringLiteral("SN-9"));
}

void TestHueTestFormWidget::showEntryCompletesAShortArrangement_data()
{
    QTest::addColumn<QString>("scores");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("incomplete");
    QVector<int> ascending;
    for (int cap = 1; cap <= 85; ++cap)
        ascending.append(cap);
    QTest::newRow("empty") << QString() << fillOn(ascending) << true;
    QTest::newRow("three caps") << QStringLiteral("85, 3, 1, ")
                                << fillOn(QVector<int>{85, 3, 1, 2} + ascending.mid(3, 81)) << true;
    QTest::newRow("garbage") << QStringLiteral("x;y") << fillOn(ascending) << true;
    QTest::newRow("imported, ends in two commas")
        << QStringLiteral("85,1,2,,") << fillOn(CapOrder::untouched()) << true;
    QTest::newRow("repeat and out of range")
        << fillOn(QVector<int>{9, 9, 90} + ascending.mid(3, 82))
        << fillOn(QVector<int>{9, 4, 5, 6, 7, 8} + ascending.mid(9, 76) + QVector<int>{1, 2, 3})
        << true;
    QTest::newRow("full set kept") << fillOn(ascending) << fillOn(ascending) << false;
    QTest::newRow("more than 85 values")
        << fillOn(ascending + QVector<int>{7, 7, 7}) << fillOn(ascending) << false;
}

void TestHueTestFormWidget::showEntryCompletesAShortArrangement()
{
    QFETCH(QString, scores);
    QFETCH(QString, expected);
    QFETCH(bool, incomplete);
    HueTestFormWidget form;
    databaseEntry e = TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"));
    e.scores = scores;
    form.showEntry(e);
    QCOMPARE(tray(form, 1)->count(), 22);
    QCOMPARE(tray(form, 2)->count(), 21);
    QCOMPARE(tray(form, 3)->count(), 21);
    QCOMPARE(tray(form, 4)->count(), 21);
    QCOMPARE(form.capOrderText(), expected);
    QLabel *note = child<QLabel>(form, "incompleteLabel");
    QCOMPARE(note->isVisibleTo(&form), incomplete);
    QVERIFY(!form.isChanged());
    form.resetForm();
    QVERIFY(!note->isVisibleTo(&form));
}

void TestHueTestFormWidget::updateRewritesTheStoredTest()
{
    const databaseEntry loaded =
        storedEntry(TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee")));
    QVERIFY(!loaded.testID.isEmpty());
    HueTestFormWidget form;
    makeViewForm(form);
    form.showEntry(loaded);
    QSignalSpy updated(&form, &HueTestFormWidget::updatedInfo);

    edit(form, "gender")->setText(QStringLiteral("Male"));
    edit(form, "testDate")->clear();
    combo(form, "illuminationCombo")->setCurrentIndex(1);
    QVERIFY(move(form, 1, 5, 0));
    const QString arrangement = form.capOrderText();
    QVERIFY(form.save());
    QCOMPARE(takeMessage(form), QString());
    QCOMPARE(updated.count(), 1);
    // The signal carries the test as it is stored now.
    databaseEntry asStored = loaded;
    asStored.gender = QStringLiteral("Male");
    asStored.testDate.clear();
    asStored.illumination = QStringLiteral("D50");
    asStored.scores = arrangement;
    asStored.tes.clear(); // the store's figure for the old arrangement
    QCOMPARE(updated.at(0).at(0).value<databaseEntry>(), asStored);
    QVERIFY(!form.isChanged());
    QList<QStringList> rows = storedRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().at(5), QStringLiteral("Male"));
    QCOMPARE(rows.first().at(10), QStringLiteral("D50"));
    QCOMPARE(rows.first().at(11), QString()); // an emptied date stays empty
    QCOMPARE(rows.first().at(13), arrangement);
    QCOMPARE(rows.first().at(0), QStringLiteral("Ann"));

    // A second update finds the test as the first one left it.
    child<QPlainTextEdit>(form, "comments")->setPlainText(QStringLiteral("second"));
    QVERIFY(move(form, 4, 20, 0));
    QVERIFY(form.save());
    QCOMPARE(takeMessage(form), QString());
    rows = storedRows();
    QCOMPARE(rows.first().at(12), QStringLiteral("second"));
    QCOMPARE(rows.first().at(13), form.capOrderText());
    QCOMPARE(updated.count(), 2);
    QCOMPARE(updated.at(1).at(0).value<databaseEntry>().testID, loaded.testID);
    QCOMPARE(updated.at(1).at(0).value<databaseEntry>().comments, QStringLiteral("second"));
}

void TestHueTestFormWidget::updateAfterResetWritesNothing()
{
    const databaseEntry loaded =
        storedEntry(TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee")));
    const QList<QStringList> before = storedRows();
    HueTestFormWidget form;
    makeViewForm(form);
    form.showEntry(loaded);
    form.resetForm();
    QVERIFY(!form.isLoaded());
    for (const char *name : {"firstName", "middleName", "lastName", "dob"})
        QVERIFY2(edit(form, name)->isEnabled(), name);
    QVERIFY(move(form, 1, 0, 3));
    QSignalSpy updated(&form, &HueTestFormWidget::updatedInfo);
    QVERIFY(form.save());
    QCOMPARE(takeMessage(form), QString());
    QCOMPARE(updated.count(), 0);
    QVERIFY(!form.isChanged());
    QCOMPARE(storedRows(), before);
}

void TestHueTestFormWidget::failedUpdateIsReportedAndUndone()
{
    databaseEntry loaded =
        storedEntry(TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee")));
    const QList<QStringList> before = storedRows();
    loaded.testID = QStringLiteral("9999");
    HueTestFormWidget form;
    makeViewForm(form);
    form.showEntry(loaded);
    edit(form, "gender")->setText(QStringLiteral("Male"));
    QVERIFY(move(form, 1, 0, 3));
    QSignalSpy updated(&form, &HueTestFormWidget::updatedInfo);
    QVERIFY(!form.save());
    QCOMPARE(takeMessage(form), QStringLiteral("The test could not be updated."));
    QCOMPARE(updated.count(), 0);
    QVERIFY(form.isChanged());
    // The subject row had matched; it is rolled back with the test.
    QCOMPARE(storedRows(), before);
}

void TestHueTestFormWidget::resetTestOnlyInTheNewForm()
{
    HueTestFormWidget view;
    makeViewForm(view);
    edit(view, "gender")->setText(QStringLiteral("Male"));
    QVERIFY(move(view, 1, 0, 3));
    child<QPushButton>(view, "resetButton")->click();
    QCOMPARE(edit(view, "gender")->text(), QStringLiteral("Male"));
    QVERIFY(view.isChanged());

    HueTestFormWidget fresh;
    fresh.setMode(QStringLiteral("newView"));
    edit(fresh, "gender")->setText(QStringLiteral("Male"));
    QVERIFY(move(fresh, 1, 0, 3));
    child<QPushButton>(fresh, "resetButton")->click();
    QCOMPARE(edit(fresh, "gender")->text(), QString());
    QVERIFY(!fresh.isChanged());
    QCOMPARE(fresh.capOrderText(), CapOrder::write(CapOrder::untouched()));
}

void TestHueTestFormWidget::undoRedoTrayChanges_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("shown"); // the changes in force afterwards
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("undoable");
    QTest::addColumn<int>("redoable");
    const QString ann = QStringLiteral("Ann");
    QTest::newRow("drag, undo") << "drag undo"
                                << "" << ann << true << 0 << 1;
    QTest::newRow("drag, undo, redo") << "drag undo redo"
                                      << "drag" << ann << true << 1 << 0;
    QTest::newRow("keyboard move, undo") << "key undo"
                                         << "" << ann << true << 0 << 1;
    QTest::newRow("typed order, undo, redo") << "typed undo redo"
                                             << "typed" << ann << true << 1 << 0;
    QTest::newRow("cancelled entry changes nothing") << "cancel"
                                                     << "" << ann << false << 0 << 0;
    QTest::newRow("three kinds, all undone, one redone") << "drag key typed undo undo undo redo"
                                                         << "drag" << ann << true << 1 << 2;
    QTest::newRow("a new change drops what was undone") << "drag typed undo key"
                                                        << "drag key" << ann << true << 2 << 0;
    QTest::newRow("reset undone brings back trays and fields")
        << "drag key reset undo"
        << "drag key" << ann << true << 2 << 1;
    QTest::newRow("reset undone and redone") << "drag reset undo redo"
                                             << ""
                                             << "" << false << 2 << 0;
    QTest::newRow("everything undone after a reset") << "drag reset undo undo"
                                                     << "" << ann << true << 0 << 2;
}

void TestHueTestFormWidget::undoRedoTrayChanges()
{
    QFETCH(QString, steps);
    QFETCH(QString, shown);
    QFETCH(QString, firstName);
    QFETCH(bool, changed);
    QFETCH(int, undoable);
    QFETCH(int, redoable);
    HueTestFormWidget form;
    form.setMode(QStringLiteral("newView"));
    form.resize(1000, 700);
    form.show();
    edit(form, "firstName")->setText(QStringLiteral("Ann"));
    for (const QString &step : steps.split(QLatin1Char(' ')))
        act(form, step);
    QCOMPARE(CapOrder::read(form.capOrderText()),
             arrangedBy(shown.split(QLatin1Char(' '), Qt::SkipEmptyParts)));
    QCOMPARE(edit(form, "firstName")->text(), firstName);
    QCOMPARE(form.isChanged(), changed);
    QCOMPARE(form.undoStack()->index(), undoable);
    QCOMPARE(form.undoStack()->count() - form.undoStack()->index(), redoable);
    // Every tray still holds its own caps once, whatever was undone.
    QVERIFY(CapEntryCheck::check(form.capOrderText()).isComplete());
}

void TestHueTestFormWidget::savedOrShownTestStartsAFreshHistory()
{
    HueTestFormWidget form;
    form.setMode(QStringLiteral("newView"));
    edit(form, "firstName")->setText(QStringLiteral("Ann"));
    edit(form, "lastName")->setText(QStringLiteral("Lee"));
    edit(form, "dob")->setText(QStringLiteral("01/02/1990"));
    act(form, QStringLiteral("drag"));
    QCOMPARE(form.undoStack()->count(), 1);
    QVERIFY(form.save());
    QCOMPARE(form.undoStack()->count(), 0);

    HueTestFormWidget view;
    makeViewForm(view);
    act(view, QStringLiteral("drag"));
    view.showEntry(
        storedEntry(TestSupport::sampleEntry(QStringLiteral("Bo"), QStringLiteral("Ek"))));
    QCOMPARE(view.undoStack()->count(), 0);
    act(view, QStringLiteral("key"));
    act(view, QStringLiteral("typed"));
    QCOMPARE(view.undoStack()->count(), 2);
    QVERIFY(view.save());
    QCOMPARE(view.undoStack()->count(), 0);
    // What was saved is what the trays show.
    QCOMPARE(storedRows().last().at(13), view.capOrderText());
}

void TestHueTestFormWidget::upAndDownCarryTheFocusBetweenTrays()
{
    HueTestFormWidget form;
    form.setMode(QStringLiteral("newView"));
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    tray(form, 1)->focusCap(21);
    auto list = [&form](int n) { return tray(form, n)->findChild<QListWidget *>(); };
    QTest::keyClick(list(1), Qt::Key_Down);
    QVERIFY(list(2)->hasFocus());
    // Tray 2 has one cap fewer: the focus goes to its last.
    QCOMPARE(tray(form, 2)->focusedRow(), 20);
    QTest::keyClick(list(2), Qt::Key_Left);
    QTest::keyClick(list(2), Qt::Key_Up);
    QVERIFY(list(1)->hasFocus());
    QCOMPARE(tray(form, 1)->focusedRow(), 19);
    QTest::keyClick(list(1), Qt::Key_Up);
    QVERIFY(list(1)->hasFocus());
    QVERIFY(!form.isChanged());
}

void TestHueTestFormWidget::defaultsAndSerialNumbers()
{
    HueTestFormWidget form;
    form.setSerialNumbers({QStringLiteral("A1"), QStringLiteral("B2")});
    QComboBox *serial = combo(form, "serialCombo");
    QCOMPARE(serial->count(), 3);
    QCOMPARE(serial->itemText(0), QString());
    QCOMPARE(serial->itemText(2), QStringLiteral("B2"));
    form.setFormDefaults({QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("x"),
                          QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("7")});
    form.resetForm();
    QCOMPARE(combo(form, "illuminationCombo")->currentText(), QStringLiteral("D65"));
    QCOMPARE(combo(form, "locationCombo")->currentText(), QStringLiteral("Europe"));
    QCOMPARE(combo(form, "industryCombo")->currentIndex(), 0);
    QCOMPARE(combo(form, "jobCombo")->currentText(), QStringLiteral("Quality Control"));
    QCOMPARE(combo(form, "experienceCombo")->currentText(), QStringLiteral("20 + years"));
    // A default past the register's end shows the empty entry.
    QCOMPARE(serial->currentIndex(), 0);
    form.setSerialNumbers({QStringLiteral("C3")});
    QCOMPARE(serial->count(), 2);
    // A refill keeps the choice, also one the register no longer holds.
    serial->setCurrentIndex(1);
    form.setSerialNumbers({QStringLiteral("A1"), QStringLiteral("C3")});
    QCOMPARE(serial->currentText(), QStringLiteral("C3"));
    form.setSerialNumbers({QStringLiteral("A1")});
    QCOMPARE(serial->currentText(), QStringLiteral("C3"));
    QCOMPARE(serial->count(), 3);
    form.setSerialNumbers({QStringLiteral("C3")});
    form.setFormDefaults({QStringLiteral("1")});
    form.resetForm();
    QCOMPARE(combo(form, "illuminationCombo")->currentText(), QStringLiteral("D50"));
    QCOMPARE(combo(form, "locationCombo")->currentIndex(), 0);
}

void TestHueTestFormWidget::retranslateKeepsTheModeLabel()
{
    HueTestFormWidget fresh;
    fresh.setMode(QStringLiteral("newView"));
    HueTestFormWidget view;
    makeViewForm(view);
    view.showEntry(TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee")));
    const QString industry = combo(view, "industryCombo")->currentText();
    fresh.retranslateForm();
    view.retranslateForm();
    QCOMPARE(child<QPushButton>(fresh, "saveButton")->text(), QStringLiteral("Save"));
    QCOMPARE(child<QPushButton>(view, "saveButton")->text(), QStringLiteral("Update"));
    QCOMPARE(combo(view, "industryCombo")->currentText(), industry);
    QCOMPARE(child<QLabel>(view, "uiLabel")->text(), QStringLiteral(" User Information"));
}

void TestHueTestFormWidget::namesAreFreeTimeIsNumeric()
{
    HueTestFormWidget form;
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const QString names[] = {QStringLiteral("Zoë"), QStringLiteral("李小龙"),
                             QStringLiteral("Åsa-Öberg"), QStringLiteral("Дмитрий"),
                             QStringLiteral("O'Neil 2nd")};
    for (const QString &name : names) {
        QLineEdit *first = edit(form, "firstName");
        first->clear();
        first->setFocus();
        typeText(first, name);
        QCOMPARE(first->text(), name);
    }
    QLineEdit *time = edit(form, "time");
    time->setFocus();
    typeText(time, QStringLiteral("1a2.5 min"));
    QCOMPARE(time->text(), QStringLiteral("12.5"));
}

void TestHueTestFormWidget::focusAndSelectionsReachCopyOperations()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *a = new HueTestFormWidget;
    auto *b = new HueTestFormWidget;
    layout->addWidget(a);
    layout->addWidget(b);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    copyOperations *ops = copyOperations::instance();

    edit(*a, "firstName")->setFocus();
    QCOMPARE(ops->lineEdit(), edit(*a, "firstName"));
    child<QPlainTextEdit>(*b, "comments")->setFocus();
    QCOMPARE(ops->plainTextEdit(), child<QPlainTextEdit>(*b, "comments"));
    QVERIFY(!ops->lineEdit());
    // A focus outside both forms keeps the last target.
    child<QCheckBox>(*a, "checkBox")->setFocus();
    QCOMPARE(ops->plainTextEdit(), child<QPlainTextEdit>(*b, "comments"));
    edit(*b, "gender")->setFocus();
    QCOMPARE(ops->lineEdit(), edit(*b, "gender"));

    QLineEdit *first = edit(*a, "firstName");
    first->setText(QStringLiteral("Annabel"));
    first->setSelection(0, 4);
    QCOMPARE(ops->selectedText(), QStringLiteral("Anna"));
    combo(*a, "illuminationCombo")->setCurrentIndex(6);
    QCOMPARE(ops->selectedText(), QStringLiteral("TL84"));
    ops->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("TL84"));

    // Several lines of comments reach the clipboard with line feeds.
    auto *comments = child<QPlainTextEdit>(*a, "comments");
    comments->setPlainText(QStringLiteral("one\ntwo"));
    comments->selectAll();
    QCOMPARE(ops->selectedText(), QStringLiteral("one\u2029two"));
    ops->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("one\ntwo"));
}

QTEST_MAIN(TestHueTestFormWidget)
#include "tst_huetestformwidget.moc"
