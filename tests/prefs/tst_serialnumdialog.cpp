#include "serialnumdialog.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class tst_serialnumdialog : public QObject
{
    Q_OBJECT

private slots:
    void typing_data();
    void typing();
    void fieldsFollowTyping();
    void okNeedsARealPurchaseDate_data();
    void okNeedsARealPurchaseDate();
    void okAnnouncesAdditionOrChange();
    void cancelKeepsFields();
    void execReturnsAtOnceAndIsModal();
    void titleAndTexts();
};

void tst_serialnumdialog::typing_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    const QString serial = QStringLiteral("serialNumLineEdit");
    const QString date = QStringLiteral("purchaseDateLineEdit");
    QTest::newRow("serial digits") << serial << "0123456789"
                                   << "0123456789";
    QTest::newRow("serial underscore") << serial << "12_34"
                                       << "12_34";
    QTest::newRow("serial letters") << serial << "ab1C2"
                                    << "12";
    QTest::newRow("serial slash") << serial << "12/31"
                                  << "1231";
    QTest::newRow("serial hyphen") << serial << "1-2"
                                   << "12";
    QTest::newRow("serial 21 chars") << serial << "123456789012345678901"
                                     << "12345678901234567890";
    QTest::newRow("date slashes") << date << "12/31/2015"
                                  << "12/31/2015";
    QTest::newRow("date hyphens") << date << "2015-12-31"
                                  << "20151231";
    QTest::newRow("date letters") << date << "Dec 31"
                                  << "31";
    QTest::newRow("date 21 chars") << date << "1/1/1/1/1/1/1/1/1/1/1"
                                   << "1/1/1/1/1/1/1/1/1/1/";
}

void tst_serialnumdialog::typing()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    serialNumDialog dialog;
    auto *edit = dialog.findChild<QLineEdit *>(field);
    QVERIFY(edit);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);
}

void tst_serialnumdialog::fieldsFollowTyping()
{
    serialNumDialog dialog;
    QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("serialNumLineEdit")),
                     QStringLiteral("4711"));
    QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("purchaseDateLineEdit")),
                     QStringLiteral("01/02/2020"));
    QCOMPARE(dialog.getSerial(), QStringLiteral("4711"));
    QCOMPARE(dialog.getPurchaseDate(), QStringLiteral("01/02/2020"));

    dialog.setInfo(QStringLiteral("A-1"), QStringLiteral("x"));
    QCOMPARE(dialog.getSerial(), QStringLiteral("A-1"));
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("purchaseDateLineEdit"))->text(),
             QStringLiteral("x"));

    dialog.clearFields();
    QCOMPARE(dialog.getSerial(), QString());
    QCOMPARE(dialog.getPurchaseDate(), QString());
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("serialNumLineEdit"))->text(), QString());
}

void tst_serialnumdialog::okNeedsARealPurchaseDate_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("month/day/year") << QStringLiteral("12/31/2015") << true;
    QTest::newRow("single digits") << QStringLiteral("2/3/2020") << true;
    QTest::newRow("leap day") << QStringLiteral("02/29/2024") << true;
    QTest::newRow("day first") << QStringLiteral("15/01/2023") << false;
    QTest::newRow("no such day") << QStringLiteral("02/30/2020") << false;
    QTest::newRow("not a leap year") << QStringLiteral("02/29/2023") << false;
    QTest::newRow("two-digit year") << QStringLiteral("12/31/15") << false;
    QTest::newRow("trailing slash") << QStringLiteral("12/31/2015/") << false;
    QTest::newRow("underscore") << QStringLiteral("1_/31/2015") << false;
    QTest::newRow("empty") << QString() << false;
}

void tst_serialnumdialog::okNeedsARealPurchaseDate()
{
    QFETCH(QString, date);
    QFETCH(bool, accepted);
    serialNumDialog dialog;
    QSignalSpy saved(&dialog, &serialNumDialog::saveInfo);
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("okButton"));
    auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("purchaseDateLineEdit"));
    QCOMPARE(edit->placeholderText(), QStringLiteral("MM/DD/YYYY"));
    dialog.exec();
    QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("serialNumLineEdit")),
                     QStringLiteral("12"));
    QTest::keyClicks(edit, date);
    QCOMPARE(ok->isEnabled(), accepted);
    dialog.okClicked();
    QCOMPARE(saved.count(), accepted ? 1 : 0);
    QCOMPARE(dialog.isVisible(), !accepted);
    // A stored entry the examiner opens is shown as it is, and needs a real date for Ok.
    dialog.setInfo(QStringLiteral("12"), QStringLiteral("x"));
    QVERIFY(!ok->isEnabled());
    QCOMPARE(edit->text(), QStringLiteral("x"));
}

void tst_serialnumdialog::okAnnouncesAdditionOrChange()
{
    serialNumDialog dialog;
    QSignalSpy saved(&dialog, &serialNumDialog::saveInfo);
    QSignalSpy edited(&dialog, &serialNumDialog::editInfo);
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("okButton"));
    dialog.setInfo(QString(), QStringLiteral("1/2/2024"));

    dialog.exec();
    ok->click();
    QCOMPARE(saved.count(), 1);
    QCOMPARE(edited.count(), 0);
    QVERIFY(!dialog.isVisible());

    dialog.setEditMode(true);
    dialog.exec();
    ok->click();
    QCOMPARE(saved.count(), 1);
    QCOMPARE(edited.count(), 1);
    QVERIFY(!dialog.isEditMode());

    // Edit mode is spent: the next Ok adds again.
    dialog.exec();
    ok->click();
    QCOMPARE(saved.count(), 2);
    QCOMPARE(edited.count(), 1);
}

void tst_serialnumdialog::cancelKeepsFields()
{
    serialNumDialog dialog;
    QSignalSpy saved(&dialog, &serialNumDialog::saveInfo);
    QSignalSpy edited(&dialog, &serialNumDialog::editInfo);
    dialog.setEditMode(true);
    dialog.setInfo(QStringLiteral("77"), QStringLiteral("1/1/2001"));
    dialog.exec();
    dialog.findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(saved.count() + edited.count(), 0);
    QCOMPARE(dialog.getSerial(), QStringLiteral("77"));
    QCOMPARE(dialog.getPurchaseDate(), QStringLiteral("1/1/2001"));
}

void tst_serialnumdialog::execReturnsAtOnceAndIsModal()
{
    serialNumDialog dialog;
    QCOMPARE(dialog.exec(), 0);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
    dialog.hide();
}

void tst_serialnumdialog::titleAndTexts()
{
    serialNumDialog dialog;
    dialog.setEditMode(true);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Add New Cap Set"));
    QCOMPARE(dialog.size(), QSize(409, 235));
    auto *note = dialog.findChild<QPlainTextEdit *>(QStringLiteral("plainTextEdit"));
    QVERIFY(note);
    QVERIFY(!note->isEnabled());
    QVERIFY(note->toPlainText().startsWith(
        QStringLiteral("Enter cap-set serial number and purchase date. Test results more than "
                       "two years past purchase date are not certified")));
}

QTEST_MAIN(tst_serialnumdialog)
#include "tst_serialnumdialog.moc"
