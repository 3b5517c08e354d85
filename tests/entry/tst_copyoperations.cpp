#include "copyoperations.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QtTest>

namespace {
QClipboard *clipboard()
{
    return QGuiApplication::clipboard();
}
} // namespace

class TestCopyOperations : public QObject
{
    Q_OBJECT

private slots:
    // Runs first: the object is process-wide and starts without targets.
    void beforeAnyFieldHadTheFocus();
    void targetsExcludeEachOther();
    void copyPutsLineFeeds_data();
    void copyPutsLineFeeds();
    void pasteKeepsWhatTheFieldCanHold_data();
    void pasteKeepsWhatTheFieldCanHold();
    void clearDeletesTheSelectionOnly();
    void cutCopiesTheReportAndClearsTheTarget();
    void selectAllSelectsTheTarget_data();
    void selectAllSelectsTheTarget();
    void destroyedTargetIsForgotten();
    void focusChangesArePassedOn();
};

void TestCopyOperations::beforeAnyFieldHadTheFocus()
{
    copyOperations *ops = copyOperations::instance();
    QVERIFY(!ops->lineEdit());
    QVERIFY(!ops->plainTextEdit());
    QCOMPARE(ops->selectedText(), QString());

    QLineEdit edit(QStringLiteral("untouched"));
    edit.setSelection(0, 3);
    clipboard()->setText(QStringLiteral("clip"));
    ops->paste();
    ops->clear();
    ops->selectAll();
    QCOMPARE(edit.text(), QStringLiteral("untouched"));
    QCOMPARE(edit.selectedText(), QStringLiteral("unt"));
    ops->copy();
    QCOMPARE(clipboard()->text(), QString());
}

void TestCopyOperations::targetsExcludeEachOther()
{
    copyOperations *ops = copyOperations::instance();
    QLineEdit line;
    QPlainTextEdit plain;
    ops->setLineEdit(&line);
    QCOMPARE(ops->lineEdit(), &line);
    QVERIFY(!ops->plainTextEdit());
    ops->setPlainTextEdit(&plain);
    QCOMPARE(ops->plainTextEdit(), &plain);
    QVERIFY(!ops->lineEdit());
    ops->setLineEdit(&line);
    QVERIFY(!ops->plainTextEdit());
}

void TestCopyOperations::copyPutsLineFeeds_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("clip");
    QTest::newRow("one line") << QStringLiteral("Anna") << QStringLiteral("Anna");
    QTest::newRow("paragraphs") << QStringLiteral("first\u2029second\u2029third")
                                << QStringLiteral("first\nsecond\nthird");
    QTest::newRow("line separator") << QStringLiteral("a\u2028b") << QStringLiteral("a\nb");
    QTest::newRow("non-ASCII kept") << QStringLiteral("Zoë 李") << QStringLiteral("Zoë 李");
    QTest::newRow("empty") << QString() << QString();
}

void TestCopyOperations::copyPutsLineFeeds()
{
    QFETCH(QString, selected);
    QFETCH(QString, clip);
    clipboard()->setText(QStringLiteral("old"));
    copyOperations::instance()->setSelectedText(selected);
    copyOperations::instance()->copy();
    QCOMPARE(clipboard()->text(QClipboard::Clipboard), clip);
}

void TestCopyOperations::pasteKeepsWhatTheFieldCanHold_data()
{
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("line");    // pasted over "Jon" in "Jon Smith"
    QTest::addColumn<QString>("comment"); // pasted into an empty comment
    QTest::newRow("plain") << QStringLiteral("John") << QStringLiteral("John Smith")
                           << QStringLiteral("John");
    QTest::newRow("line feed") << QStringLiteral("line one\nline two")
                               << QStringLiteral("line one line two Smith")
                               << QStringLiteral("line one\nline two");
    QTest::newRow("CR LF and tab") << QStringLiteral("a\r\nb\tc") << QStringLiteral("a b c Smith")
                                   << QStringLiteral("a\nb\tc");
    QTest::newRow("C0 and C1 controls") << QStringLiteral("J\u0001o\u001bh\u007fn\u0085")
                                        << QStringLiteral("John Smith") << QStringLiteral("John");
    QTest::newRow("Unicode separators")
        << QStringLiteral("a\u2028b\u2029c") << QStringLiteral("a b c Smith")
        << QStringLiteral("a\nb\nc");
    QTest::newRow("bidi override and isolates")
        << QStringLiteral("\u202eJohn\u202c\u2066x\u2069") << QStringLiteral("Johnx Smith")
        << QStringLiteral("Johnx");
    QTest::newRow("letters of every script stay")
        << QStringLiteral("\u05d3\u05d5\u05d3 \u5c71\u7530 \u0639\u0644\u064a\u200f")
        << QStringLiteral("\u05d3\u05d5\u05d3 \u5c71\u7530 \u0639\u0644\u064a\u200f Smith")
        << QStringLiteral("\u05d3\u05d5\u05d3 \u5c71\u7530 \u0639\u0644\u064a\u200f");
    QTest::newRow("emoji sequence") << QStringLiteral("\U0001F469\u200D\U0001F52C")
                                    << QStringLiteral("\U0001F469\u200D\U0001F52C Smith")
                                    << QStringLiteral("\U0001F469\u200D\U0001F52C");
}

void TestCopyOperations::pasteKeepsWhatTheFieldCanHold()
{
    QFETCH(QString, clip);
    QFETCH(QString, line);
    QFETCH(QString, comment);
    clipboard()->setText(clip);

    QLineEdit edit(QStringLiteral("Jon Smith"));
    edit.setSelection(0, 3);
    copyOperations::instance()->setLineEdit(&edit);
    copyOperations::instance()->paste();
    QCOMPARE(edit.text(), line);

    QPlainTextEdit plain;
    copyOperations::instance()->setPlainTextEdit(&plain);
    copyOperations::instance()->paste();
    QCOMPARE(plain.toPlainText(), comment);
}

void TestCopyOperations::clearDeletesTheSelectionOnly()
{
    QLineEdit line(QStringLiteral("abcdef"));
    line.setSelection(2, 2);
    copyOperations::instance()->setLineEdit(&line);
    copyOperations::instance()->clear();
    QCOMPARE(line.text(), QStringLiteral("abef"));

    QPlainTextEdit plain(QStringLiteral("keep\ndrop"));
    QTextCursor cursor = plain.textCursor();
    cursor.setPosition(4);
    cursor.setPosition(9, QTextCursor::KeepAnchor);
    plain.setTextCursor(cursor);
    copyOperations::instance()->setPlainTextEdit(&plain);
    copyOperations::instance()->clear();
    QCOMPARE(plain.toPlainText(), QStringLiteral("keep"));
}

void TestCopyOperations::cutCopiesTheReportAndClearsTheTarget()
{
    // The latest report need not come from the target: here it stands for a combo's text.
    QLineEdit line(QStringLiteral("Maria Lopez"));
    line.setSelection(5, 6);
    copyOperations::instance()->setLineEdit(&line);
    copyOperations::instance()->setSelectedText(QStringLiteral("D65"));
    copyOperations::instance()->cut();
    QCOMPARE(clipboard()->text(), QStringLiteral("D65"));
    QCOMPARE(line.text(), QStringLiteral("Maria"));
}

void TestCopyOperations::selectAllSelectsTheTarget_data()
{
    QTest::addColumn<bool>("plain");
    QTest::newRow("line edit") << false;
    QTest::newRow("plain-text edit") << true;
}

void TestCopyOperations::selectAllSelectsTheTarget()
{
    QFETCH(bool, plain);
    QLineEdit line(QStringLiteral("one line"));
    QPlainTextEdit box(QStringLiteral("two\nlines"));
    if (plain)
        copyOperations::instance()->setPlainTextEdit(&box);
    else
        copyOperations::instance()->setLineEdit(&line);
    copyOperations::instance()->selectAll();
    QCOMPARE(line.selectedText(), plain ? QString() : QStringLiteral("one line"));
    QCOMPARE(box.textCursor().selectedText(), plain ? QStringLiteral("two\u2029lines") : QString());
}

void TestCopyOperations::destroyedTargetIsForgotten()
{
    {
        QLineEdit line;
        copyOperations::instance()->setLineEdit(&line);
    }
    QVERIFY(!copyOperations::instance()->lineEdit());
    clipboard()->setText(QStringLiteral("x"));
    copyOperations::instance()->paste();
    copyOperations::instance()->clear();
    copyOperations::instance()->selectAll();
}

void TestCopyOperations::focusChangesArePassedOn()
{
    copyOperations::instance()->setApplication(qApp);
    QWidget window;
    auto *first = new QLineEdit(&window);
    auto *second = new QLineEdit(&window);
    second->move(0, 40);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    QSignalSpy spy(copyOperations::instance(), &copyOperations::focusChanged);
    second->setFocus();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<QWidget *>(), first);
    QCOMPARE(spy.at(0).at(1).value<QWidget *>(), second);
}

QTEST_MAIN(TestCopyOperations)
#include "tst_copyoperations.moc"
