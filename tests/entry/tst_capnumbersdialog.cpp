#include "capnumbersdialog.h"
#include "caporder.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QString joined(const QVector<int> &caps, const QString &separator = QStringLiteral(" "))
{
    QStringList parts;
    for (int cap : caps)
        parts << QString::number(cap);
    return parts.join(separator);
}

QVector<int> range(int first, int last)
{
    QVector<int> caps;
    for (int cap = first; cap <= last; ++cap)
        caps << cap;
    return caps;
}

template <typename T> T *part(const QDialog &dialog, const QString &name)
{
    T *widget = dialog.findChild<T *>(name);
    if (!widget)
        qFatal("no %s", qPrintable(name));
    return widget;
}

QLineEdit *line(const QDialog &dialog, int tray)
{
    return part<QLineEdit>(dialog, QStringLiteral("trayLine%1").arg(tray));
}

QString problems(const QDialog &dialog, int tray)
{
    return part<QLabel>(dialog, QStringLiteral("trayProblems%1").arg(tray))->text();
}

QPushButton *button(const QDialog &dialog, const char *name)
{
    return part<QPushButton>(dialog, QLatin1String(name));
}

// A full arrangement with caps exchanged inside trays: TES 8 above the untouched order.
QVector<int> rearranged()
{
    QVector<int> caps = CapOrder::untouched();
    std::swap(caps[3], caps[4]);
    std::swap(caps[50], caps[51]);
    return caps;
}

} // namespace

class TestCapNumbersDialog : public QObject
{
    Q_OBJECT

private slots:
    void prefilledWithTheTrays()
    {
        CapNumbersDialog dialog(rearranged());
        QCOMPARE(line(dialog, 1)->text(), joined(rearranged().mid(0, 22)));
        QCOMPARE(line(dialog, 4)->text(), joined(range(64, 84)));
        for (int t = 1; t <= 4; ++t)
            QCOMPARE(problems(dialog, t), QStringLiteral("\u2713"));
        QVERIFY(button(dialog, "applyButton")->isEnabled());
        QCOMPARE(part<QLabel>(dialog, QStringLiteral("tesLabel"))->text(),
                 QStringLiteral("Total Error Score (TES): 8"));
        QCOMPARE(dialog.arrangement(), rearranged());
    }

    void problemsKeepApplyDisabled_data()
    {
        QTest::addColumn<int>("tray");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("problems");
        const QString dot = QStringLiteral(" \u00B7 ");
        QTest::newRow("missing") << 2 << joined(range(22, 40)) << QStringLiteral("19/21")
                                 << QStringLiteral("missing 41, 42");
        QTest::newRow("repeated") << 3 << joined(range(43, 62) + QVector<int>{50})
                                  << QStringLiteral("21/21")
                                  << QStringLiteral("missing 63") + dot +
                                         QStringLiteral("50 typed twice");
        QTest::newRow("wrong tray")
            << 1 << joined(QVector<int>{85} + range(1, 20) + QVector<int>{24})
            << QStringLiteral("22/22")
            << QStringLiteral("missing 21") + dot + QStringLiteral("24 belongs to tray 2");
        QTest::newRow("missing, repeated and wrong tray")
            << 1 << joined(QVector<int>{85} + range(1, 16) + QVector<int>{24, 9, 19, 20, 21})
            << QStringLiteral("22/22")
            << QStringLiteral("missing 17, 18") + dot + QStringLiteral("24 belongs to tray 2") +
                   dot + QStringLiteral("9 typed twice");
        QTest::newRow("no cap") << 4 << QStringLiteral("0 ") + joined(range(64, 83))
                                << QStringLiteral("21/21")
                                << QStringLiteral("missing 84") + dot +
                                       QStringLiteral("0 is not a cap number");
        QTest::newRow("emptied") << 4 << QString() << QStringLiteral("0/21")
                                 << QStringLiteral("missing 64\u201384");
    }
    void problemsKeepApplyDisabled()
    {
        QFETCH(int, tray);
        QFETCH(QString, text);
        QFETCH(QString, count);
        QFETCH(QString, problems);
        CapNumbersDialog dialog(CapOrder::untouched());
        line(dialog, tray)->selectAll();
        QTest::keyClicks(line(dialog, tray), text);
        if (text.isEmpty())
            QTest::keyClick(line(dialog, tray), Qt::Key_Delete);
        QCOMPARE(part<QLabel>(dialog, QStringLiteral("trayCount%1").arg(tray))->text(), count);
        QCOMPARE(::problems(dialog, tray), problems);
        for (int other = 1; other <= 4; ++other) {
            if (other != tray)
                QCOMPARE(::problems(dialog, other), QStringLiteral("\u2713"));
        }
        QVERIFY(!button(dialog, "applyButton")->isEnabled());
        QVERIFY(dialog.arrangement().isEmpty());
        QCOMPARE(part<QLabel>(dialog, QStringLiteral("tesLabel"))->text(),
                 QStringLiteral("Total Error Score (TES): shown when all four trays are complete"));
        // Enter on the last line does not apply what cannot be applied.
        dialog.show();
        QTest::keyClick(line(dialog, 4), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void typedArrangementApplies()
    {
        CapNumbersDialog dialog(CapOrder::untouched());
        const QVector<int> caps = rearranged();
        line(dialog, 1)->setText(joined(caps.mid(0, 22), QStringLiteral(", ")));
        line(dialog, 3)->setText(joined(caps.mid(43, 21), QStringLiteral(";")));
        QTest::mouseClick(button(dialog, "applyButton"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.arrangement(), caps);
    }

    void pasteFillsAllFour_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        const QVector<int> caps = rearranged();
        const QStringList byComma{joined(caps.mid(0, 22), QStringLiteral(", ")),
                                  joined(caps.mid(22, 21), QStringLiteral(", ")),
                                  joined(caps.mid(43, 21), QStringLiteral(", ")),
                                  joined(caps.mid(64, 21), QStringLiteral(", "))};
        QTest::newRow("stored form") << CapOrder::write(caps) << byComma;
        QTest::newRow("one tray per line")
            << joined(caps.mid(0, 22)) + QLatin1Char('\n') + joined(caps.mid(22, 21)) +
                   QLatin1Char('\n') + joined(caps.mid(43, 21)) + QLatin1Char('\n') +
                   joined(caps.mid(64, 21))
            << QStringList{joined(caps.mid(0, 22)), joined(caps.mid(22, 21)),
                           joined(caps.mid(43, 21)), joined(caps.mid(64, 21))};
    }
    void pasteFillsAllFour()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        CapNumbersDialog dialog(CapOrder::untouched());
        QGuiApplication::clipboard()->setText(text);
        line(dialog, 1)->selectAll();
        line(dialog, 1)->paste();
        QStringList shown;
        for (int t = 1; t <= 4; ++t)
            shown << line(dialog, t)->text().simplified();
        for (QString &expected : lines)
            expected = expected.simplified();
        QCOMPARE(shown, lines);
        QCOMPARE(dialog.arrangement(), rearranged());
    }

    void enterMovesToTheNextTray()
    {
        CapNumbersDialog dialog(CapOrder::untouched());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(line(dialog, 1)->hasFocus());
        for (int t = 1; t < 4; ++t) {
            QTest::keyClick(line(dialog, t), Qt::Key_Return);
            QVERIFY(line(dialog, t + 1)->hasFocus());
            QCOMPARE(line(dialog, t + 1)->selectedText(), line(dialog, t + 1)->text());
            QVERIFY(dialog.isVisible());
        }
        // On the last line, with every tray right, Enter applies.
        QTest::keyClick(line(dialog, 4), Qt::Key_Enter);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TestCapNumbersDialog)
#include "tst_capnumbersdialog.moc"
