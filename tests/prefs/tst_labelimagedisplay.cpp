#include "fifoguard.h"
#include "labelimagedisplay.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

class tst_labelimagedisplay : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { labelImageDisplay::setFileChooser({}); }
    void startsEmpty();
    void wideImageIsSqueezedIntoTheSquare();
    void unreadableFileKeepsPathShowsNothing_data();
    void unreadableFileKeepsPathShowsNothing();
    void cancelledChoiceKeepsPicture();
    void anyButtonChooses_data();
    void anyButtonChooses();

private:
    static QString wideImage();
    static QLabel *inner(labelImageDisplay &picker)
    {
        return picker.findChild<QLabel *>(QStringLiteral("label"));
    }
};

// 300 x 60: left half red, right half blue.
QString tst_labelimagedisplay::wideImage()
{
    const QString path = QDir(TestSupport::tempDir()).filePath(QStringLiteral("wide.png"));
    if (!QFile::exists(path)) {
        QImage img(300, 60, QImage::Format_RGB32);
        QPainter p(&img);
        p.fillRect(0, 0, 150, 60, Qt::red);
        p.fillRect(150, 0, 150, 60, Qt::blue);
        p.end();
        img.save(path);
    }
    return path;
}

void tst_labelimagedisplay::startsEmpty()
{
    labelImageDisplay picker;
    QCOMPARE(picker.getImagePath(), QString());
    QLabel *label = inner(picker);
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Select Logo Image"));

    labelImageDisplay named;
    named.setObjectName(QStringLiteral("logoSelection"));
    named.retranslate();
    QCOMPARE(named.objectName(), QStringLiteral("logoSelection"));
}

void tst_labelimagedisplay::wideImageIsSqueezedIntoTheSquare()
{
    labelImageDisplay picker;
    picker.setImage(wideImage());
    QCOMPARE(picker.getImagePath(), wideImage());
    QCOMPARE(picker.getImage().size(), QSize(300, 60));
    QCOMPARE(inner(picker)->text(), QString());

    const QImage shown = picker.grab().toImage();
    QCOMPARE(shown.size(), QSize(100, 100));
    // Stretched, not letterboxed: the top and bottom rows carry the picture too.
    QCOMPARE(QColor(shown.pixel(10, 2)), QColor(Qt::red));
    QCOMPARE(QColor(shown.pixel(10, 97)), QColor(Qt::red));
    QCOMPARE(QColor(shown.pixel(90, 2)), QColor(Qt::blue));
    QCOMPARE(QColor(shown.pixel(90, 97)), QColor(Qt::blue));
}

void tst_labelimagedisplay::unreadableFileKeepsPathShowsNothing_data()
{
    QTest::addColumn<QString>("path");
    const QString text = QDir(TestSupport::tempDir()).filePath(QStringLiteral("notes.txt"));
    QFile f(text);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a picture\n");
    f.close();
    const QString broken = QDir(TestSupport::tempDir()).filePath(QStringLiteral("broken.png"));
    QFile b(broken);
    QVERIFY(b.open(QIODevice::WriteOnly));
    // A PNG header that promises a 4294967295 x 4294967295 picture and ends there.
    static const char header[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xff\xff\xff\xff\xff\xff\xff";
    b.write(header, sizeof header - 1);
    b.close();

    QTest::newRow("text file") << text;
    QTest::newRow("truncated png") << broken;
    QTest::newRow("missing file") << QStringLiteral("/nonexistent/logo.png");
    QTest::newRow("empty path") << QString();
    // Opening a pipe for reading would wait for a writer that never comes.
    QTest::newRow("named pipe") << QDir(TestSupport::tempDir()).filePath(QStringLiteral("pipe"));
}

void tst_labelimagedisplay::unreadableFileKeepsPathShowsNothing()
{
    QFETCH(QString, path);
    const bool pipe = path.endsWith(QLatin1String("/pipe"));
    FifoGuard guard(pipe ? path : QDir(TestSupport::tempDir()).filePath(QStringLiteral("unused")));
    QVERIFY(guard.created());
    labelImageDisplay picker;
    picker.setImage(wideImage());
    picker.setImage(path);
    QVERIFY(!guard.fired());
    QCOMPARE(picker.getImagePath(), path);
    QVERIFY(picker.getImage().isNull());
    QLabel *label = inner(picker);
    QCOMPARE(label->text(), QString());
    QVERIFY(label->pixmap(Qt::ReturnByValue).isNull());
}

void tst_labelimagedisplay::cancelledChoiceKeepsPicture()
{
    labelImageDisplay picker;
    picker.setImage(wideImage());
    QWidget *askedParent = nullptr;
    labelImageDisplay::setFileChooser([&](QWidget *parent) {
        askedParent = parent;
        return QString();
    });
    QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(50, 50));
    QCOMPARE(askedParent, &picker);
    QCOMPARE(picker.getImagePath(), wideImage());
    QCOMPARE(picker.getImage().size(), QSize(300, 60));
}

void tst_labelimagedisplay::anyButtonChooses_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("left") << int(Qt::LeftButton);
    QTest::newRow("right") << int(Qt::RightButton);
    QTest::newRow("middle") << int(Qt::MiddleButton);
}

void tst_labelimagedisplay::anyButtonChooses()
{
    QFETCH(int, button);
    labelImageDisplay picker;
    QSignalSpy clicks(&picker, &labelImageDisplay::clicked);
    labelImageDisplay::setFileChooser([](QWidget *) { return wideImage(); });
    // A press on the inner label reaches the picker as well.
    QTest::mousePress(inner(picker), Qt::MouseButton(button), {}, QPoint(20, 20));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(picker.getImagePath(), wideImage());
    QCOMPARE(picker.getImage().size(), QSize(300, 60));
}

QTEST_MAIN(tst_labelimagedisplay)
#include "tst_labelimagedisplay.moc"
