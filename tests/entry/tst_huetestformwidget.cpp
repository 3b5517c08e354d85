#include "capnumbersdialog.h"
#include "caporder.h"
#include "clock.h"
#include "copyoperations.h"
#include "database.h"
#include "entryfixture.h"
#include "hueswatchlinewidget.h"
#include "huetestformwidget.h"
#include "scorewidget.h"
#include "testsupport.h"
#include "vkresources.h"

#include <QSqlQuery>
#include <QUndoStack>
#include <QtTest>
#include <QtWidgets>

Q_DECLARE_METATYPE(databaseEntry)

using TestSupport::child;
using E = EntryFixture;
using F = HueTestFormWidget;

// The entry page: the form, its trays and tiles, the cap-number dialog and the edit menu.
class TestHueTestFormWidget : public QObject
{
    Q_OBJECT

    static QLineEdit *edit(QWidget &f, const char *n) { return child<QLineEdit>(f, n); }
    static QComboBox *combo(QWidget &f, const char *n) { return child<QComboBox>(f, n); }
    static QPushButton *button(QWidget &f, const char *n) { return child<QPushButton>(f, n); }
    static QPlainTextEdit *notes(QWidget &f) { return child<QPlainTextEdit>(f, "comments"); }
    static QLabel *label(QWidget &w, const QString &n) { return child<QLabel>(w, qPrintable(n)); }
    static HueSwatchLineWidget *tray(QWidget &f, int n)
    {
        return child<HueSwatchLineWidget>(f, qPrintable(QStringLiteral("HueLine%1").arg(n)));
    }
    static QListWidget *list(QWidget &t) { return child<QListWidget>(t, "listWidget"); }
    static QListWidget *list(QWidget &f, int n) { return list(*tray(f, n)); }
    // A move within a tray, made as the list's drop makes it.
    static bool move(QWidget &t, int from, int to)
    {
        return list(t)->model()->moveRow({}, from, {}, to);
    }
    static bool move(QWidget &f, int t, int from, int to) { return move(*tray(f, t), from, to); }
    static QLineEdit *trayLine(QDialog &d, int t)
    {
        return d.findChildren<QLineEdit *>().value(t - 1);
    }
    // The scores on a tray's tiles, each followed by a blank.
    static QString scores(HueSwatchLineWidget &tray)
    {
        QString text;
        for (int row = 0; row < tray.count(); ++row)
            text += label(*tray.tileAt(row), QStringLiteral("score"))->text() + QLatin1Char(' ');
        return text;
    }
    // Whether first, middle and last name and date of birth take input, as 1 and 0.
    static QString enabled(F &f)
    {
        QString text;
        for (const char *name : {"firstName", "middleName", "lastName", "dob"})
            text += QLatin1Char(edit(f, name)->isEnabled() ? '1' : '0');
        return text;
    }
    // The fields, the choices and the cap-order text as the form shows them.
    static QStringList shown(F &f)
    {
        QStringList out{notes(f)->toPlainText()};
        for (const char *name : {"firstName", "middleName", "lastName", "referenceNumber", "dob",
                                 "testDate", "time", "gender"})
            out << edit(f, name)->text();
        for (const char *name : {"illuminationCombo", "locationCombo", "industryCombo", "jobCombo",
                                 "experienceCombo", "serialCombo"})
            out << combo(f, name)->currentText();
        return out << f.capOrderText();
    }
    // What a new form shows: nothing but the untouched trays.
    static QStringList blank()
    {
        return QStringList(QVector<QString>(15).toList()) << CapOrder::write(CapOrder::untouched());
    }
    static QStringList record(const databaseEntry &e)
    {
        return {e.comments, e.first,      e.middle,    e.last,         e.refNum,   e.DOB,
                e.testDate, e.time,       e.gender,    e.illumination, e.location, e.industry,
                e.job,      e.experience, e.serialNum, e.scores};
    }
    // Every stored subject with its tests, in the order of shown(); a subject without a
    // test shows as a row of its own.
    static QList<QStringList> storedRows()
    {
        QList<QStringList> rows;
        QSqlQuery q(database::instance()->currentConnection());
        q.exec(QStringLiteral("SELECT t.comments, u.first, u.middle, u.last, u.refNum, u.DOB, "
                              "t.testDate, t.time, u.gender, t.illumination, u.location, "
                              "u.industry, u.job, u.experience, t.serialNum, t.scores FROM users "
                              "u LEFT JOIN tests t ON u.id = t.userID ORDER BY u.id, t.id"));
        while (q.next()) {
            rows.append(QStringList());
            for (int i = 0; i < 16; ++i)
                rows.last() << q.value(i).toString();
        }
        return rows;
    }
    // The text of the message the form shows, closing it; empty when none is shown.
    static QString takeMessage(QWidget &f)
    {
        QString text;
        for (QMessageBox *box : f.findChildren<QMessageBox *>()) {
            text = box->isVisible() ? box->text() : text;
            box->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return text;
    }
    // A form in the mode the window gives it.
    static void setMode(F &f, bool view)
    {
        f.setMode(view ? QStringLiteral("viewView") : QStringLiteral("newView"));
        if (view)
            f.disableSubjectFields();
    }
    static databaseEntry sample()
    {
        return TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"));
    }
    // Tray 3 typed reversed in the cap-number dialog, or left as it is, then the button.
    static void typeTray3(F &form, bool reverse, const char *buttonName)
    {
        button(form, "typeCapsButton")->click();
        auto *dialog = form.findChild<CapNumbersDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        QVector<int> caps = E::range(43, 63);
        if (reverse)
            std::reverse(caps.begin(), caps.end());
        trayLine(*dialog, 3)->setText(E::joined(caps));
        button(*dialog, buttonName)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form.findChild<CapNumbersDialog *>());
    }
    // Caps exchanged inside trays 1 and 3: TES 8.
    static QVector<int> rearranged()
    {
        return TestSupport::swapped(TestSupport::swapped(CapOrder::untouched(), 3, 4), 50, 51);
    }

private slots:
    void initTestCase()
    {
        vkInitResources();
        copyOperations::instance()->setApplication(qApp);
        qRegisterMetaType<databaseEntry>();
    }
    void init()
    {
        TestSupport::useFreshDatabase();
        Clock::setToday(QDate(2024, 3, 7));
    }

    // What a paste leaves of the clipboard: one line in a name, line breaks in comments.
    void pasteKeepsWhatTheFieldCanHold_data()
    {
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QString>("line");    // pasted over "Jon" in "Jon Smith"
        QTest::addColumn<QString>("comment"); // pasted into an empty comment
        const char *rows[][4] = {
            {"CR LF, LF and tab", "a\r\nb\nc\td", "a b c d Smith", "a\nb\nc\td"},
            {"C0 and C1 controls", "J\u0001o\u001fh\u007fn\u009f\u00a0", "John\u00a0 Smith",
             "John "}, // a comment gives a no-break space back as a blank
            {"Unicode separators", "a\u2028b\u2029c", "a b c Smith", "a\nb\nc"},
            {"bidi controls go, marks stay", "\u202aJ\u202eo\u2066h\u2069n\u200f",
             "John\u200f Smith", "John\u200f"},
        };
        for (const auto &r : rows)
            QTest::newRow(r[0]) << QString::fromUtf8(r[1]) << QString::fromUtf8(r[2])
                                << QString::fromUtf8(r[3]);
    }
    void pasteKeepsWhatTheFieldCanHold()
    {
        QFETCH(QString, clip);
        QFETCH(QString, line);
        QFETCH(QString, comment);
        copyOperations *ops = copyOperations::instance();
        QGuiApplication::clipboard()->setText(clip);
        QLineEdit name(QStringLiteral("Jon Smith"));
        name.setSelection(0, 3);
        ops->setLineEdit(&name);
        ops->paste();
        QCOMPARE(name.text(), line);
        QPlainTextEdit box;
        ops->setPlainTextEdit(&box);
        QVERIFY(!ops->lineEdit()); // the targets exclude each other
        ops->paste();
        QCOMPARE(box.toPlainText(), comment);
    }

    // Filling the form is no edit; every kind of edit is one.
    void everyEditMarksChanged_data()
    {
        QTest::addColumn<int>("kind");
        int kind = 0;
        for (const char *name : {"tray move", "pasted", "typed minutes", "comment", "combo"})
            QTest::newRow(name) << kind++;
    }
    void everyEditMarksChanged()
    {
        QFETCH(int, kind);
        F form;
        setMode(form, true);
        form.showEntry(sample());
        QVERIFY(!form.isChanged());
        QLineEdit *ref = edit(form, "referenceNumber");
        if (kind == 0) {
            QVERIFY(move(form, 3, 4, 0));
        } else if (kind == 1) { // one line of what is pasted stays, the cursor after it
            QGuiApplication::clipboard()->setText(QStringLiteral("\u202eAnn\nMarie\u0007"));
            ref->setCursorPosition(0);
            ref->paste();
            QCOMPARE(ref->text() + QString::number(ref->cursorPosition()),
                     QStringLiteral("Ann MarieR-Ann9"));
        } else if (kind == 2) {
            QTest::keyClicks(edit(form, "time"), QStringLiteral("a5 min"));
            QCOMPARE(edit(form, "time")->text(), QStringLiteral("125"));
        } else if (kind == 3) {
            QTest::keyClicks(notes(form), QStringLiteral("tired"));
        } else {
            combo(form, "jobCombo")->setFocus();
            QTest::keyClick(combo(form, "jobCombo"), Qt::Key_Down);
        }
        QVERIFY(form.isChanged());
        form.showEntry(sample());
        QVERIFY(!form.isChanged());
        QVERIFY(move(form, 1, 0, 3));
        form.resetForm();
        QVERIFY(!form.isChanged());
        QCOMPARE(shown(form), blank());
    }

    void showScoresPutsPositionScoresOnTiles()
    {
        F form;
        auto *box = child<QCheckBox>(form, "checkBox");
        box->click();
        for (int t = 1; t <= 4; ++t)
            QCOMPARE(scores(*tray(form, t)), QStringLiteral("2 ").repeated(tray(form, t)->count()));
        // 5, 85, 1, 2, 3, 4, 6, ...: the last cap of tray 4 now meets cap 5.
        QVERIFY(move(form, 1, 5, 0));
        QVERIFY(scores(*tray(form, 1)).startsWith(QLatin1String("11 6 2 2 2 3 3 2 2 ")));
        QVERIFY(scores(*tray(form, 4)).endsWith(QLatin1String(" 2 7 ")));
        box->click();
        QVERIFY(move(form, 1, 0, 5)); // unticked, a move shows nothing
        for (int t = 1; t <= 4; ++t)
            QCOMPARE(scores(*tray(form, t)), QString(tray(form, t)->count(), QLatin1Char(' ')));
    }

    // Names missing, a store that refuses the test, a test gone before its update:
    // nothing stored, the form as it was.
    void refusedSaveKeepsTheForm_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("message");
        const QString names =
            QStringLiteral("Please enter a date of birth and first and last names.");
        QTest::newRow("no first name") << QStringLiteral("firstName") << names;
        QTest::newRow("no last name") << QStringLiteral("lastName") << names;
        QTest::newRow("no date of birth") << QStringLiteral("dob") << names;
        QTest::newRow("store fails") << QString() << QStringLiteral("The test could not be saved.");
        QTest::newRow("test gone") << QString() << QStringLiteral("The test could not be updated.");
    }
    void refusedSaveKeepsTheForm()
    {
        QFETCH(QString, missing);
        QFETCH(QString, message);
        const bool view = message.contains(QLatin1String("updated"));
        F form;
        setMode(form, view);
        databaseEntry e = sample();
        if (view)
            TestSupport::storeEntry(e); // the subject row matches; the test id does not
        e.testID = QStringLiteral("9999");
        form.showEntry(e);
        edit(form, qPrintable(missing.isEmpty() ? QStringLiteral("gender") : missing))->clear();
        QVERIFY(move(form, 4, 0, 20));
        const QStringList before = shown(form);
        const QList<QStringList> rows = storedRows();
        QSqlQuery q(database::instance()->currentConnection());
        QVERIFY(q.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON tests BEGIN "
                                      "SELECT RAISE(ABORT, 'refused'); END")));
        QVERIFY(!form.save() && form.isChanged());
        QCOMPARE(takeMessage(form), message);
        // No subject row either: it goes back with the test that could not follow it.
        QCOMPARE(storedRows(), rows);
        QCOMPARE(shown(form), before);
    }

    void saveStoresTheFields()
    {
        F form;
        setMode(form, false);
        form.setSerialNumbers({QStringLiteral("SN-1"), QStringLiteral("SN-2")});
        const databaseEntry e = sample();
        form.showEntry(e);
        // What a one-line field cannot hold goes when stored; an empty date is today's.
        edit(form, "lastName")->setText(QStringLiteral("Lee\u202d\r\n"));
        notes(form)->setPlainText(QStringLiteral("two\u202e\r\nlines"));
        edit(form, "testDate")->clear();
        combo(form, "serialCombo")->setCurrentIndex(2);
        QVERIFY(move(form, 1, 5, 0));
        databaseEntry want = e;
        want.last = QStringLiteral("Lee ");
        want.comments = QStringLiteral("two\nlines");
        want.testDate = QStringLiteral("03/07/2024");
        want.serialNum = QStringLiteral("SN-2");
        want.scores = form.capOrderText();
        QVERIFY(form.save() && takeMessage(form).isEmpty());
        QCOMPARE(storedRows(), QList<QStringList>{record(want)});
        // Saved: the form is blank again, with nothing to undo; a given date is kept.
        QVERIFY(!form.isChanged() && form.undoStack()->count() == 0);
        QCOMPARE(shown(form), blank());
        form.showEntry(e);
        QVERIFY(form.save());
        QCOMPARE(storedRows().last(), record(e));
    }

    // A stored test shown for viewing; an arrangement short of caps is shown whole.
    void showEntryFillsTheForm()
    {
        F form;
        setMode(form, true);
        databaseEntry e =
            TestSupport::sampleEntry(QStringLiteral("Zoë"), QStringLiteral("Lee"),
                                     TestSupport::swapped(CapOrder::untouched(), 0, 84));
        e.comments = QStringLiteral("a\nb");
        e.industry = QStringLiteral("Pigment/Colorant Manufacturer"); // not the list's spelling
        e.location.clear(); // the list's own empty first item, chosen rather than added
        const int locations = combo(form, "locationCombo")->count();
        QVERIFY(move(form, 1, 0, 3));
        form.showEntry(e);
        form.showEntry(e);
        form.retranslateForm();
        QCOMPARE(shown(form), record(e));
        QCOMPARE(combo(form, "industryCombo")->count(), 26); // added once to the list's 25
        QCOMPARE(combo(form, "locationCombo")->count(), locations);
        QCOMPARE(button(form, "saveButton")->text(), QStringLiteral("Update"));
        QVERIFY(form.isLoaded() && !form.isChanged() && form.undoStack()->count() == 0);
        QCOMPARE(enabled(form), QStringLiteral("0000"));
        QLabel *incomplete = label(form, QStringLiteral("incompleteLabel"));
        QVERIFY(!incomplete->isVisibleTo(&form));
        // The stored order is now the trays' own: a reset goes back to it.
        QVERIFY(move(form, 2, 0, 5));
        form.resetForm();
        QCOMPARE(form.capOrderText(), e.scores);
        QCOMPARE(enabled(form), QStringLiteral("1111"));
        e.scores = QStringLiteral("85,1,2,,");
        form.showEntry(e);
        QCOMPARE(form.capOrderText(), CapOrder::write(CapOrder::untouched()));
        QVERIFY(incomplete->isVisibleTo(&form));
        form.resetForm();
        QVERIFY(!incomplete->isVisibleTo(&form));
    }

    // Each update finds the test as the one before left it, and says what is stored now.
    void updateRewritesTheStoredTest()
    {
        databaseEntry loaded = sample();
        loaded.testID = QString::number(TestSupport::storeEntry(loaded));
        F form;
        setMode(form, true);
        form.showEntry(loaded);
        QSignalSpy updated(&form, &F::updatedInfo);
        for (int round = 1; round <= 2; ++round) {
            edit(form, "gender")->setText(QStringLiteral("Male %1").arg(round));
            edit(form, "testDate")->clear(); // an emptied date stays empty
            combo(form, "illuminationCombo")->setCurrentIndex(round);
            QVERIFY(move(form, round, 0, 5));
            QVERIFY(form.save());
            QCOMPARE(takeMessage(form), QString());
            QCOMPARE(storedRows(), QList<QStringList>{shown(form)});
            const databaseEntry sent = updated.value(round - 1).value(0).value<databaseEntry>();
            QCOMPARE(record(sent) << sent.testID, shown(form) << loaded.testID);
            QVERIFY(!form.isChanged() && form.undoStack()->count() == 0);
        }
        // A reset form holds no stored test: Update writes nothing.
        const QList<QStringList> before = storedRows();
        form.resetForm();
        QVERIFY(!form.isLoaded());
        QVERIFY(move(form, 1, 0, 3));
        QVERIFY(form.save() && !form.isChanged());
        QCOMPARE(updated.count(), 2);
        QCOMPARE(storedRows(), before);
    }

    // Moves, typed orders and Reset Test undone and redone, the fields with them.
    void undoRedo()
    {
        F form;
        form.setSerialNumbers({QStringLiteral("1234")});
        setMode(form, false);
        form.showEntry(sample());
        const QStringList filled = shown(form);
        QUndoStack *history = form.undoStack();
        QVERIFY(move(form, 1, 0, 3));
        const QStringList moved = shown(form);
        typeTray3(form, true, "cancelButton");
        typeTray3(form, false, "applyButton"); // nothing new to apply
        QCOMPARE(history->count(), 1);
        typeTray3(form, true, "applyButton");
        QVERIFY(form.capOrderText().contains(QLatin1String(", 42, 63, 62, ")));
        history->undo();
        QCOMPARE(shown(form), moved);
        history->undo();
        QCOMPARE(shown(form), filled);
        history->redo();
        QVERIFY(move(form, 2, 0, 2)); // a new change drops what was undone
        QCOMPARE(history->count(), 2);
        const QStringList twice = shown(form);
        button(form, "resetButton")->click();
        QCOMPARE(shown(form), blank());
        QVERIFY(!form.isChanged());
        history->undo();
        QCOMPARE(shown(form), twice);
        QVERIFY(form.isChanged());
        history->redo();
        QVERIFY(!form.isChanged());
        for (int i = 0; i < 3; ++i)
            history->undo();
        QCOMPARE(shown(form), filled);
    }

    // Up and Down carry the focus to the same place in the next tray.
    void focusFollowsKeysAndReachesTheEditMenu()
    {
        F form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        tray(form, 1)->focusCap(21);
        QTest::keyClick(list(form, 1), Qt::Key_Down);
        QCOMPARE(tray(form, 2)->focusedRow(), 20); // tray 2 has one cap fewer
        QTest::keyClick(list(form, 2), Qt::Key_Up);
        QVERIFY(list(form, 1)->hasFocus());
        QCOMPARE(tray(form, 1)->focusedRow(), 20);
        QTest::keyClick(list(form, 1), Qt::Key_Up); // no tray above the first
        tray(form, 4)->focusCap(3);
        QTest::keyClick(list(form, 4), Qt::Key_Down); // none below the last
        QVERIFY(list(form, 4)->hasFocus());
        QCOMPARE(tray(form, 1)->focusedRow(), 20);
        // The edit menu works on the field in focus; a focus elsewhere leaves it there.
        notes(form)->setFocus();
        child<QCheckBox>(form, "checkBox")->setFocus();
        QCOMPARE(copyOperations::instance()->plainTextEdit(), notes(form));
    }

    void defaultsAndSerialNumbers()
    {
        F form;
        form.setSerialNumbers(TestSupport::texts({"A1", "B2"}));
        combo(form, "serialCombo")->setCurrentIndex(2);
        form.setSerialNumbers(TestSupport::texts({"C3"})); // a refill keeps the choice
        // Defaults by index; past the end of the list (or not given) the empty entry.
        form.setFormDefaults(TestSupport::texts({"2", "4", "x", "1", "5", "2"}));
        form.resetForm();
        QCOMPARE(shown(form).mid(9, 6), // B2 now gone
                 TestSupport::texts({"D65", "Europe", "", "Quality Control", "20 + years", ""}));
        form.setFormDefaults(TestSupport::texts({"1"}));
        form.resetForm();
        QCOMPARE(shown(form).mid(9, 2), TestSupport::texts({"D50", ""}));
    }

    // Ctrl+Left and Ctrl+Right move the focused cap, and the focus with it, but not past
    // the tray's ends.
    void trayKeys()
    {
        HueSwatchLineWidget tray;
        tray.setCapList(E::tray1());
        tray.focusCap(0);
        QSignalSpy changes(&tray, &HueSwatchLineWidget::hasChanges);
        QTest::keySequence(list(tray),
                           QKeySequence(QStringLiteral("Ctrl+Left, Ctrl+Right, Right")));
        QTest::keySequence(list(tray), QKeySequence(QStringLiteral("Ctrl+Left, Ctrl+Left")));
        QCOMPARE(tray.order().mid(0, 4), (QVector<int>{2, 1, 85, 3}));
        QCOMPARE(tray.focusedRow(), 0);
        tray.focusCap(21);
        QTest::keySequence(list(tray), QKeySequence(QStringLiteral("Ctrl+Right")));
        QCOMPARE(changes.count(), 3);
    }

    // The tiles share the width the form gives (no less than nothing); in a short tray
    // the swatch takes what the number leaves of the row, so the number shows whole.
    void resizeTilesFollowsTheSizingRule()
    {
        HueSwatchLineWidget line;
        line.resize(2000, 90);
        line.setCapList(E::range(1, 22));
        line.show();
        QVERIFY(QTest::qWaitForWindowExposed(&line));
        line.resizeTiles(2000);
        // The tiles stand inside the list's spacing of 5, so nothing of them is cut off.
        const int row = list(line)->viewport()->height() - 10;
        const int side =
            row - label(*line.tileAt(0), QStringLiteral("number"))->sizeHint().height();
        QCOMPARE(list(line)->item(21)->sizeHint(), QSize(77, row));
        QCOMPARE(label(*line.tileAt(21), QStringLiteral("label"))->size(), QSize(side, side));
        line.resizeTiles(200);
        QCOMPARE(list(line)->item(0)->sizeHint().width(), 0);
    }

    // Cap n shows swatch n - 1; tiles show the scores given, row by row; a drag that
    // ends without a move still takes the picture it lent its item.
    void tilesShowSwatchesScoresAndPictures()
    {
        HueSwatchLineWidget tray;
        tray.setCapList(E::tray1());
        QCOMPARE(HueSwatchLineWidget::swatchPath(1), QStringLiteral(":/HueSwatches/VK0.png"));
        QVERIFY(QFile::exists(HueSwatchLineWidget::swatchPath(85)));
        tray.setScores(TestSupport::texts({"9", "6", "3"}));
        QVERIFY(scores(tray).startsWith(QLatin1String("9 6 3  ")));
        list(tray)->setCurrentRow(1);
        tray.itemDragging();
        QVERIFY(!list(tray)->item(1)->icon().isNull());
        QVERIFY(QMetaObject::invokeMethod(list(tray), "dragEnded"));
        QVERIFY(list(tray)->item(1)->icon().isNull());
        tray.resetTray();
        QCOMPARE(tray.order(), E::tray1());
    }

    // Typed trays: what the dialog says of each, and whether Apply and Enter apply it.
    void capNumbersDialog_data()
    {
        QTest::addColumn<int>("tray");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("check"); // the tray's count and problems
        QTest::addColumn<QString>("tes");
        QTest::addColumn<QVector<int>>("arranged"); // empty: nothing to apply
        const QString none = QStringLiteral("shown when all four trays are complete");
        const QVector<int> caps = rearranged();
        QTest::newRow("commas") << 1 << E::joined(E::tray1(), QStringLiteral(", "))
                                << QStringLiteral("22/22 \u2713") << QStringLiteral("4")
                                << TestSupport::swapped(caps, 3, 4);
        QTest::newRow("missing") << 2 << E::joined(E::range(22, 40))
                                 << QStringLiteral("19/21 missing 41, 42") << none
                                 << QVector<int>();
        QTest::newRow("emptied") << 4 << QString() << QStringLiteral("0/21 missing 64\u201384")
                                 << none << QVector<int>();
    }
    void capNumbersDialog()
    {
        QFETCH(int, tray);
        QFETCH(QString, text);
        QFETCH(QString, check);
        QFETCH(QString, tes);
        QFETCH(QVector<int>, arranged);
        CapNumbersDialog dialog(rearranged());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // Enter moves on to the next tray's line, selected for typing over.
        for (int t = 1; t < tray; ++t)
            QTest::keyClick(trayLine(dialog, t), Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        const QString n = QString::number(tray);
        QCOMPARE(label(dialog, QStringLiteral("trayCount") + n)->text() + QLatin1Char(' ') +
                     label(dialog, QStringLiteral("trayProblems") + n)->text(),
                 check);
        QCOMPARE(label(dialog, QStringLiteral("tesLabel"))->text(),
                 QStringLiteral("Total Error Score (TES): ") + tes);
        QCOMPARE(child<QPushButton>(dialog, "applyButton")->isEnabled(), !arranged.isEmpty());
        QCOMPARE(dialog.arrangement(), arranged);
        // Enter on the last line applies only what can be applied.
        QTest::keyClick(trayLine(dialog, 4), Qt::Key_Enter);
        QCOMPARE(dialog.result(), int(arranged.isEmpty() ? QDialog::Rejected : QDialog::Accepted));
    }

    // More entries than the first two trays hold, pasted into the first line, fill all four.
    void capNumbersPasted()
    {
        CapNumbersDialog dialog(CapOrder::untouched());
        const auto tray3 = [&dialog](const QVector<int> &caps) {
            QGuiApplication::clipboard()->setText(CapOrder::write(caps));
            trayLine(dialog, 1)->selectAll();
            trayLine(dialog, 1)->paste();
            return trayLine(dialog, 3)->text();
        };
        QCOMPARE(tray3(E::range(1, 43)), E::joined(E::range(43, 63))); // all stay in tray 1
        QCOMPARE(tray3(rearranged()), E::joined(rearranged().mid(43, 21), QStringLiteral(", ")));
        QCOMPARE(dialog.arrangement(), rearranged());
    }
};

QTEST_MAIN(TestHueTestFormWidget)
#include "tst_huetestformwidget.moc"
