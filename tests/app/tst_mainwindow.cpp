#include "database.h"
#include "filedialogs.h"
#include "mainwindow.h"
#include "messageboxes.h"
#include "testsupport.h"
#include "vkresources.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

namespace {

// The open file's name, as the title shows it first.
QString fileName()
{
    return QFileInfo(database::instance()->path()).fileName();
}

QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(24, 24).toImage();
}

// Answers the window's next message box with its default button; returns its text through *seen.
void answerNextMessageBox(QString *seen)
{
    MessageBoxes::setResponder([seen](const MessageBoxes::Box &box) {
        if (seen)
            *seen = box.text;
        return box.defaultButton != QMessageBox::NoButton ? box.defaultButton : QMessageBox::Ok;
    });
}

} // namespace

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        vkInitResources();
        TestSupport::useFreshDatabase();
    }
    void cleanup()
    {
        FileDialogs::setResponder({});
        MessageBoxes::setResponder({});
    }

    void startsOnNewTestPage()
    {
        MainWindow w;
        auto *stack = w.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
        QVERIFY(stack);
        QCOMPARE(stack->currentIndex(), 0);
        QVERIFY(w.findChild<QPushButton *>(QStringLiteral("NewButton"))->isChecked());
        // The open file's name, then the program's title.
        QCOMPARE(w.windowTitle(), fileName() + QStringLiteral(" \u2014 Veskora Scoring Software"));
    }

    void pageButtonsSwitchPagesAndIcons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("page");
        QTest::newRow("view") << QStringLiteral("ViewButton") << 1;
        QTest::newRow("analysis") << QStringLiteral("AnalysisButton") << 2;
        QTest::newRow("database") << QStringLiteral("DatabaseButton") << 3;
        QTest::newRow("new") << QStringLiteral("NewButton") << 0;
    }
    void pageButtonsSwitchPagesAndIcons()
    {
        QFETCH(QString, button);
        QFETCH(int, page);
        MainWindow w;
        auto *stack = w.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
        if (page == 0)
            QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("DatabaseButton")),
                              Qt::LeftButton);
        QTest::mouseClick(w.findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(stack->currentIndex(), page);

        const char *names[] = {"NewButton", "ViewButton", "AnalysisButton", "DatabaseButton"};
        const char *plain[] = {":/Images/add.png", ":/Images/view.png", ":/Images/analysis.png",
                               ":/Images/database.png"};
        const char *selected[] = {":/Images/add-selected.png", ":/Images/view-selected.png",
                                  ":/Images/analysis-selected.png",
                                  ":/Images/database-selected.png"};
        for (int i = 0; i < 4; ++i) {
            auto *b = w.findChild<QPushButton *>(QLatin1String(names[i]));
            QCOMPARE(b->isChecked(), i == page);
            const QIcon expected(QLatin1String(i == page ? selected[i] : plain[i]));
            QVERIFY2(!iconImage(expected).isNull(), names[i]);
            QCOMPARE(iconImage(b->icon()), iconImage(expected));
        }
    }

    void everyPageFitsAndEveryCapNumberShows_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("maximised");
        for (const char *code : {"en", "fr", "de", "it", "ja", "pt", "es", "zh_Hans", "zh_Hant"}) {
            QTest::addRow("%s", code) << QString::fromLatin1(code) << false;
            QTest::addRow("%s, large window", code) << QString::fromLatin1(code) << true;
        }
    }
    void everyPageFitsAndEveryCapNumberShows()
    {
        QFETCH(QString, code);
        QFETCH(bool, maximised);
        // The desktop's font rather than the larger one of the headless platform.
        const QFont before = QApplication::font();
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
        const auto restore = qScopeGuard([before] { QApplication::setFont(before); });
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // Showing the window leaves it at the size it was given.
        QCOMPARE(w.size(), QSize(950, 700));
        w.setLanguageCode(code);
        w.loadLanguage();
        const QSize given = maximised ? QSize(1900, 1050) : QSize(950, 700);
        w.resize(given);
        const char *buttons[] = {"ViewButton", "AnalysisButton", "DatabaseButton", "NewButton"};
        for (const char *button : buttons) {
            QTest::mouseClick(w.findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
            QCoreApplication::processEvents();
            QVERIFY2(w.size() == given, button);
            // Nothing on the page is cut: buttons and one-line labels get their width.
            auto *stack = w.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
            const QList<QWidget *> parts = stack->currentWidget()->findChildren<QWidget *>();
            for (QWidget *part : parts) {
                auto *label = qobject_cast<QLabel *>(part);
                const bool oneLine =
                    label && !label->wordWrap() && label->pixmap(Qt::ReturnByValue).isNull();
                if (!part->isVisible() || (!oneLine && !qobject_cast<QAbstractButton *>(part)))
                    continue;
                QVERIFY2(part->width() >= part->minimumSizeHint().width(),
                         qPrintable(QStringLiteral("%1 %2: %3 < %4")
                                        .arg(QLatin1String(button), part->objectName())
                                        .arg(part->width())
                                        .arg(part->minimumSizeHint().width())));
            }
            QVERIFY2(w.minimumSizeHint().width() <= 950 && w.minimumSizeHint().height() <= 700,
                     qPrintable(QStringLiteral("%1: %2 x %3")
                                    .arg(QLatin1String(button))
                                    .arg(w.minimumSizeHint().width())
                                    .arg(w.minimumSizeHint().height())));
        }
        // On both entry pages, with and without scores, every number under a cap shows whole.
        for (const char *page : {"newHueTestWidget", "viewHueTestWidget"}) {
            auto *form = w.findChild<QWidget *>(QLatin1String(page));
            QTest::mouseClick(w.findChild<QPushButton *>(
                                  QLatin1String(page[0] == 'n' ? "NewButton" : "ViewButton")),
                              Qt::LeftButton);
            for (const bool scores : {false, true}) {
                auto *box = form->findChild<QCheckBox *>(QStringLiteral("checkBox"));
                if (box->isChecked() != scores)
                    box->click();
                QCoreApplication::processEvents();
                QCOMPARE(w.size(), given);
                const QList<QListWidget *> lists = form->findChildren<QListWidget *>();
                QCOMPARE(lists.size(), 4);
                for (QListWidget *list : lists) {
                    const QRect visible = list->viewport()->rect();
                    for (int row = 0; row < list->count(); ++row) {
                        QWidget *tile = list->itemWidget(list->item(row));
                        auto *number = tile->findChild<QLabel *>(QStringLiteral("number"));
                        const QRect shown(number->mapTo(list->viewport(), QPoint(0, 0)),
                                          number->size());
                        QVERIFY2(visible.contains(shown) &&
                                     number->height() >= number->fontMetrics().height(),
                                 qPrintable(QStringLiteral("%1 cap %2: %3,%4 %5x%6 in %7")
                                                .arg(QLatin1String(page), number->text())
                                                .arg(shown.x())
                                                .arg(shown.y())
                                                .arg(shown.width())
                                                .arg(shown.height())
                                                .arg(visible.height())));
                    }
                }
            }
        }
    }

    void viewMenuEntries()
    {
        MainWindow w;
        auto *stack = w.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
        w.findChild<QAction *>(QStringLiteral("actionDatabase"))->trigger();
        QCOMPARE(stack->currentIndex(), 3);
        // "Data Entry Screen" leads to the view/arrange page, not the new-test page.
        w.findChild<QAction *>(QStringLiteral("actionData_Entry_Screen"))->trigger();
        QCOMPARE(stack->currentIndex(), 1);
        QVERIFY(w.findChild<QPushButton *>(QStringLiteral("ViewButton"))->isChecked());
    }

    void englishRunsWithoutTranslator()
    {
        MainWindow w;
        const QString english = fileName() + QStringLiteral(" \u2014 Veskora Scoring Software");
        // From German, English and a language with no file both drop the translator.
        for (const char *code : {"en", "xx"}) {
            w.setLanguageCode(QStringLiteral("de"));
            w.loadLanguage();
            QCOMPARE(w.windowTitle(),
                     fileName() + QStringLiteral(" \u2014 Veskora Auswertungssoftware"));
            w.setLanguageCode(QLatin1String(code));
            w.loadLanguage();
            QCOMPARE(w.windowTitle(), english);
        }
    }

    void qtTranslationNames_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("file");
        QTest::newRow("de") << QStringLiteral("de") << QStringLiteral("qtbase_de");
        QTest::newRow("ja") << QStringLiteral("ja") << QStringLiteral("qtbase_ja");
        QTest::newRow("pt") << QStringLiteral("pt") << QStringLiteral("qtbase_pt_BR");
        QTest::newRow("zh_Hans") << QStringLiteral("zh_Hans") << QStringLiteral("qtbase_zh_CN");
        QTest::newRow("zh_Hant") << QStringLiteral("zh_Hant") << QStringLiteral("qtbase_zh_TW");
    }
    void qtTranslationNames()
    {
        QFETCH(QString, code);
        QFETCH(QString, file);
        QCOMPARE(MainWindow::qtTranslationName(code), file);
    }

    void helpAddress_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ja") << QStringLiteral("ja")
                            << QStringLiteral("file:///opt/v/Help/Japanese/html/index.htm");
        QTest::newRow("it") << QStringLiteral("it")
                            << QStringLiteral("file:///opt/v/Help/English/html/index.htm");
        QTest::newRow("windows folder")
            << QStringLiteral("ja")
            << QStringLiteral("file:///C:/Program Files/V/Help/Japanese/html/index.htm");
        QTest::newRow("en") << QStringLiteral("en")
                            << QStringLiteral("file:///opt/v/Help/English/html/index.htm");
    }
    void helpAddress()
    {
        QFETCH(QString, code);
        QFETCH(QString, expected);
        const QString dir =
            QString::fromLatin1(QTest::currentDataTag()) == QLatin1String("windows folder")
                ? QStringLiteral("C:/Program Files/V")
                : QStringLiteral("/opt/v");
        QCOMPARE(QUrl(MainWindow::helpAddress(dir, code)), QUrl(expected));
    }

    // The pages beside the program open in the browser; without them the examiner is told.
    void helpOpensThePagesBesideTheProgram_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::newRow("pages installed") << true;
        QTest::newRow("pages missing") << false;
    }
    void helpOpensThePagesBesideTheProgram()
    {
        QFETCH(bool, installed);
        const QString pages =
            QCoreApplication::applicationDirPath() + QLatin1String("/Help/Japanese/html/index.htm");
        QVERIFY(!QFileInfo::exists(pages));
        if (installed) {
            QVERIFY(QDir().mkpath(QFileInfo(pages).absolutePath()));
            QFile f(pages);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("<html></html>") > 0);
        }
        QStringList boxes;
        MessageBoxes::setResponder([&boxes](const MessageBoxes::Box &box) {
            boxes << box.text;
            return QMessageBox::Ok;
        });
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        MainWindow w;
        w.setLanguageCode(QStringLiteral("ja"));
        QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("HelpButton")), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        if (installed)
            QDir(QCoreApplication::applicationDirPath() + QLatin1String("/Help"))
                .removeRecursively();
        QCOMPARE(catcher.urls.size(), installed ? 1 : 0);
        if (installed) {
            QCOMPARE(catcher.urls[0].toLocalFile(), pages);
            QVERIFY(boxes.isEmpty());
        } else {
            QCOMPARE(boxes, QStringList{QStringLiteral("The manual is missing: %1 was not found. "
                                                       "Installing the program again puts it back.")
                                            .arg(QDir::toNativeSeparators(pages))});
        }
    }

    void extensionRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << QStringLiteral("/d/file") << QStringLiteral("/d/file.sqlite");
        QTest::newRow("already") << QStringLiteral("/d/f.sqlite") << QStringLiteral("/d/f.sqlite");
        QTest::newRow("upper case")
            << QStringLiteral("/d/F.SQLITE") << QStringLiteral("/d/F.SQLITE");
        QTest::newRow("other") << QStringLiteral("/d/f.db") << QStringLiteral("/d/f.db.sqlite");
    }
    void extensionRule()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(FileDialogs::withExtension(name, QStringLiteral(".sqlite")), expected);
    }

    void newOpenAndSaveAsThroughTheSeam()
    {
        database *store = database::instance();
        TestSupport::useFreshDatabase();
        TestSupport::storeEntry(
            TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee")));
        store->insertSerialNum(QStringLiteral("42"), QStringLiteral("01/01/2025"));
        const QString original = store->path();
        MainWindow w;
        QString answer;
        FileDialogs::setResponder([&answer](FileDialogs::Kind, const QString &) { return answer; });

        // Cancelled dialogs change nothing.
        answer.clear();
        w.findChild<QAction *>(QStringLiteral("actionNew"))->trigger();
        w.findChild<QAction *>(QStringLiteral("actionOpen"))->trigger();
        w.findChild<QAction *>(QStringLiteral("actionSave_As"))->trigger();
        QCOMPARE(store->path(), original);

        // Save As: the copy becomes current with its tests and cap sets.
        answer = TestSupport::tempDir() + QLatin1String("/copy");
        w.findChild<QAction *>(QStringLiteral("actionSave_As"))->trigger();
        QCOMPARE(store->path(), answer + QLatin1String(".sqlite"));
        QCOMPARE(w.windowTitle(), QStringLiteral("copy.sqlite \u2014 Veskora Scoring Software"));
        QCOMPARE(store->getAllTests().size(), 1);
        QCOMPARE(store->getSerialNums().size(), 1);

        // New with a name that already has the extension keeps it.
        answer = TestSupport::tempDir() + QLatin1String("/fresh.sqlite");
        w.findChild<QAction *>(QStringLiteral("actionNew"))->trigger();
        QCOMPARE(store->path(), answer);
        QCOMPARE(store->getAllTests().size(), 0);
        QCOMPARE(w.windowTitle(), QStringLiteral("fresh.sqlite \u2014 Veskora Scoring Software"));

        // Open goes back to the original file.
        answer = original;
        w.findChild<QAction *>(QStringLiteral("actionOpen"))->trigger();
        QCOMPARE(store->path(), original);
        QCOMPARE(store->currentConnectionName(), QStringLiteral("0"));
        QCOMPARE(store->getAllTests().size(), 1);
    }

    void unreadableFileIsReported()
    {
        database *store = database::instance();
        TestSupport::useFreshDatabase();
        const QString original = store->path();
        const QString junk = TestSupport::tempDir() + QLatin1String("/junk.sqlite");
        QFile f(junk);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(2048, '\x17'));
        f.close();
        MainWindow w;
        FileDialogs::setResponder([junk](FileDialogs::Kind, const QString &) { return junk; });
        QString message;
        answerNextMessageBox(&message);
        w.findChild<QAction *>(QStringLiteral("actionOpen"))->trigger();
        QVERIFY(!message.isEmpty());
        QCOMPARE(store->path(), original);
    }

    void aboutPictureIsComposed()
    {
        const QImage picture = MainWindow::aboutPicture().toImage();
        QCOMPARE(picture.size(), QSize(500, 500));
        QCOMPARE(QColor(picture.pixel(2, 250)), QColor(Qt::white));
        // The about image sits in the middle band and is not plain white.
        bool drawn = false;
        for (int y = 110; y < 290 && !drawn; y += 4)
            drawn = QColor(picture.pixel(250, y)) != QColor(Qt::white);
        QVERIFY(drawn);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
