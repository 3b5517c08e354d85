#include "fifoguard.h"
#include "reportpainter.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QtTest>

namespace {

const QSizeF Page(1000, 1400);

QImage render(const ReportContent &content)
{
    QImage image(Page.toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ReportPainter::draw(painter, Page, content);
    return image;
}

// Number of non-white pixels inside a rectangle.
int inked(const QImage &image, const QRectF &box)
{
    const QRect r = box.toRect() & image.rect();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += image.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

} // namespace

class TestReportPainter : public QObject
{
    Q_OBJECT

private slots:
    // Whatever the path names, the report gets a logo of the drawn size or none and
    // a reason; a pipe is never opened (it would block until a writer comes).
    void footerLogoIsScaledOrLeftOut_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QSize>("picture"); // an empty size: no picture written
        QTest::addColumn<QString>("why");   // empty: a logo of 120 x 30 and no reason
        QTest::newRow("wide picture") << "wide" << QSize(400, 100) << "";
        QTest::newRow("small picture is enlarged") << "small" << QSize(40, 10) << "";
        QTest::newRow("huge picture, decoded at drawn size") << "huge" << QSize(8000, 2000) << "";
        QTest::newRow("empty path") << "" << QSize() << "";
        QTest::newRow("missing file") << "missing" << QSize() << "does not exist";
        QTest::newRow("text file") << "text" << QSize() << "not an image that can be read";
        QTest::newRow("folder") << "folder" << QSize() << "is not a file";
        QTest::newRow("named pipe") << "pipe" << QSize() << "is not a file";
    }
    void footerLogoIsScaledOrLeftOut()
    {
        QFETCH(QString, kind);
        QFETCH(QSize, picture);
        QFETCH(QString, why);
        QTemporaryDir dir;
        const QString path =
            kind.isEmpty() ? QString() : dir.filePath(kind + QLatin1String(".png"));
        if (picture.isValid()) {
            QImage image(picture, QImage::Format_Mono);
            image.fill(0);
            QVERIFY(image.save(path));
        }
        QFile text(path);
        if (kind == QLatin1String("text"))
            QVERIFY(text.open(QIODevice::WriteOnly) && text.write("no picture") > 0);
        text.close();
        QVERIFY(kind != QLatin1String("folder") || QDir().mkdir(path));
        FifoGuard pipe(kind == QLatin1String("pipe") ? path
                                                     : dir.filePath(QStringLiteral("unused")));
        QVERIFY(pipe.created());
        QString reason;
        const QImage logo = ReportPainter::footerLogoFor(path, Page, &reason);
        QVERIFY(!pipe.fired());
        const bool drawn = picture.isValid();
        QCOMPARE(logo.size(), drawn ? QSize(120, 30) : QSize(0, 0));
        QCOMPARE(logo.isNull(), !drawn);
        QVERIFY2(why.isEmpty() ? reason.isEmpty() : reason.contains(why), qPrintable(reason));
    }

    // Chart, title, both columns, the logo and the footer land in their boxes; a long
    // footer wraps inside its box; a logo switched off or missing draws nothing.
    void partsAreDrawnInTheirBoxes()
    {
        QGraphicsScene scene(0, 0, 600, 600);
        scene.addEllipse(100, 100, 400, 400, QPen(Qt::black, 8));
        ReportContent content;
        content.chart = &scene;
        content.leftText = QStringLiteral("Name: Ann Lee\nTotal Error Score (TES): 4");
        content.rightText = QStringLiteral("Cap Order:\n85, 1, 2");
        content.footerText = QStringLiteral("Colour Vision Laboratory of the Northern Regional "
                                            "Institute of Applied Optics, Building seven, second "
                                            "floor, examination room four");
        content.footerLogo = QImage(100, 100, QImage::Format_RGB32);
        content.footerLogo.fill(Qt::darkBlue);
        const QRectF logo(ReportPainter::footerLogoOrigin(Page), QSizeF(100, 100));
        const QImage page = render(content);
        QVERIFY(inked(page, ReportPainter::chartBox(Page).adjusted(10, 10, -10, -10)) > 1000);
        QVERIFY(inked(page, ReportPainter::leftColumnBox(Page).adjusted(3, 3, -3, -3)) > 100);
        QVERIFY(inked(page, ReportPainter::rightColumnBox(Page).adjusted(3, 3, -3, -3)) > 100);
        QVERIFY(inked(page, ReportPainter::titleBox(Page)) > 100);
        QVERIFY(inked(page, logo) > 9000);
        const QRect box = ReportPainter::footerTextBox(Page).toRect();
        const int line = QFontMetrics(QFont(QStringLiteral("times"), 10)).height();
        QVERIFY(inked(page, QRect(box.left(), box.top() + line + 2, box.width(), line)) > 0);
        QCOMPARE(inked(page, QRect(box.right() + 2, box.top(), 500 - box.right() - 4, 130)), 0);
        content.drawFooterLogo = false;
        QCOMPARE(inked(render(content), logo), 0);
        content.drawFooterLogo = true;
        content.footerLogo = QImage();
        QCOMPARE(inked(render(content), logo), 0);
    }

    void longCommentMakesRoomForTheResults_data()
    {
        QTest::addColumn<QString>("comment"); // all but the first too long for the column
        QTest::newRow("short") << QStringLiteral("tired");
        QTest::newRow("many lines") << QStringLiteral("line\n").repeated(60);
        QTest::newRow("3,000 characters") << QStringLiteral("word ").repeated(600);
        // Surrogate pairs are never cut in half.
        QTest::newRow("emoji") << QStringLiteral("\U0001F600").repeated(1500);
    }
    void longCommentMakesRoomForTheResults()
    {
        QFETCH(QString, comment);
        const bool shortened = comment.size() > 5;
        const QString results = QStringLiteral("\nPercentile\nUnselected: 50\nExperienced: 20\n");
        ReportContent content;
        content.comment = comment;
        content.rightTextWithComment = [results](const QString &c) -> QString {
            return QStringLiteral("Test Serial Number: 12\n\nComments: ") + c + QLatin1Char('\n') +
                   results;
        };
        content.rightText = content.rightTextWithComment(comment);
        QImage image(Page.toSize(), QImage::Format_RGB32);
        QPainter painter(&image);
        painter.setFont(QFont(QStringLiteral("times"), 10));
        const QString drawn = ReportPainter::fittedRightText(painter, Page, content);
        const QRectF box = ReportPainter::rightColumnBox(Page);
        const auto height = [&](const QString &text) {
            return painter.boundingRect(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text)
                .height();
        };
        QVERIFY(height(drawn) <= box.height());
        QVERIFY(drawn.endsWith(results));
        QCOMPARE(drawn == content.rightText, !shortened);
        if (!shortened)
            return;
        const int at = drawn.indexOf(QStringLiteral("Comments: ")) + 10;
        const QString kept = drawn.mid(at, drawn.size() - at - results.size() - 1);
        QVERIFY(kept.endsWith(QChar(0x2026)));
        QVERIFY(kept.size() > 20); // the room left is used, not thrown away
        QVERIFY(comment.startsWith(kept.chopped(1).trimmed()));
        QVERIFY(!kept.at(kept.size() - 2).isHighSurrogate());
        // A few characters more would not fit.
        QVERIFY(height(content.rightTextWithComment(comment.left(kept.size() + 5) +
                                                    QChar(0x2026))) > box.height());
    }
};

QTEST_MAIN(TestReportPainter)
#include "tst_reportpainter.moc"
