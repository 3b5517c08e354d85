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
int inked(const QImage &image, const QRect &r)
{
    int n = 0;
    for (int y = qMax(0, r.top()); y <= qMin(image.height() - 1, r.bottom()); ++y)
        for (int x = qMax(0, r.left()); x <= qMin(image.width() - 1, r.right()); ++x)
            n += QColor(image.pixel(x, y)) != QColor(Qt::white);
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
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("why");
        QTest::newRow("wide picture") << "wide" << QSize(120, 30) << "";
        QTest::newRow("small picture is enlarged") << "small" << QSize(120, 30) << "";
        QTest::newRow("huge picture, decoded at drawn size") << "huge" << QSize(120, 30) << "";
        QTest::newRow("empty path") << "empty" << QSize() << "";
        QTest::newRow("missing file") << "missing" << QSize() << "does not exist";
        QTest::newRow("text file") << "text" << QSize() << "not an image that can be read";
        QTest::newRow("folder") << "folder" << QSize() << "is not a file";
        QTest::newRow("named pipe") << "pipe" << QSize() << "is not a file";
    }
    void footerLogoIsScaledOrLeftOut()
    {
        QFETCH(QString, kind);
        QFETCH(QSize, size);
        QFETCH(QString, why);
        QTemporaryDir dir;
        QString path = dir.filePath(kind + QLatin1String(".png"));
        const QMap<QString, QSize> pictures = {{QStringLiteral("wide"), QSize(400, 100)},
                                               {QStringLiteral("small"), QSize(40, 10)},
                                               {QStringLiteral("huge"), QSize(8000, 2000)}};
        if (pictures.contains(kind)) {
            QImage picture(pictures.value(kind), QImage::Format_Mono);
            picture.fill(0);
            QVERIFY(picture.save(path));
        } else if (kind == QLatin1String("empty")) {
            path.clear();
        } else if (kind == QLatin1String("text")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("no picture\n") > 0);
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));
        }
        FifoGuard pipe(kind == QLatin1String("pipe") ? path
                                                     : dir.filePath(QStringLiteral("unused")));
        QVERIFY(pipe.created());
        QString reason;
        const QImage logo = ReportPainter::footerLogoFor(path, Page, &reason);
        QVERIFY(!pipe.fired());
        QCOMPARE(logo.size(), size.isValid() ? size : QSize(0, 0));
        QCOMPARE(logo.isNull(), !size.isValid());
        if (why.isEmpty())
            QCOMPARE(reason, QString());
        else
            QVERIFY2(reason.contains(why), qPrintable(reason));
    }

    void emptyFooterPathDrawsNoLogo()
    {
        ReportContent content;
        content.footerLogo = QImage();
        const QImage page = render(content);
        QCOMPARE(inked(page, QRect(50, 1262, 110, 130)), 0);

        QImage logo(100, 100, QImage::Format_RGB32);
        logo.fill(Qt::darkBlue);
        content.footerLogo = logo;
        QVERIFY(inked(render(content), QRect(50, 1262, 110, 130)) > 5000);
        content.drawFooterLogo = false;
        QCOMPARE(inked(render(content), QRect(50, 1262, 110, 130)), 0);
    }

    void longFooterTextWrapsInsideItsBox()
    {
        ReportContent content;
        content.footerText = QStringLiteral(
            "Colour Vision Laboratory of the Northern Regional Institute of Applied Optics, "
            "Building seven, second floor, examination room four");
        const QImage page = render(content);
        const QRect box = ReportPainter::footerTextBox(Page).toRect();
        QVERIFY(inked(page, box) > 0);
        // Nothing spills to the right, between the footer box and the credits.
        QCOMPARE(inked(page, QRect(box.right() + 2, box.top(), 500 - box.right() - 4, 130)), 0);
        // It takes more than one line.
        const int lineHeight = QFontMetrics(QFont(QStringLiteral("times"), 10)).height();
        QVERIFY(inked(page,
                      QRect(box.left(), box.top() + lineHeight + 2, box.width(), lineHeight)) > 0);
    }

    void longCommentMakesRoomForTheResults_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::addColumn<bool>("shortened");
        QTest::newRow("short") << QStringLiteral("tired") << false;
        QTest::newRow("many lines") << QStringLiteral("line\n").repeated(60) << true;
        QString words;
        for (int i = 0; words.size() < 3000; ++i)
            words += QStringLiteral("word%1 ").arg(i);
        QTest::newRow("3,000 characters") << words << true;
        // Surrogate pairs are never cut in half.
        QTest::newRow("emoji") << QStringLiteral("\U0001F600").repeated(1500) << true;
    }
    void longCommentMakesRoomForTheResults()
    {
        QFETCH(QString, comment);
        QFETCH(bool, shortened);
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
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        QVERIFY(painter.boundingRect(box, flags, drawn).height() <= box.height());
        QVERIFY(drawn.endsWith(results));
        if (!shortened) {
            QCOMPARE(drawn, content.rightText);
            return;
        }
        const int at = drawn.indexOf(QStringLiteral("Comments: ")) + 10;
        const QString kept = drawn.mid(at, drawn.size() - at - results.size() - 1);
        QVERIFY(kept.endsWith(QChar(0x2026)));
        QVERIFY(kept.size() > 20); // the room left is used, not thrown away
        QVERIFY(comment.startsWith(kept.chopped(1).trimmed()));
        QVERIFY(!kept.at(kept.size() - 2).isHighSurrogate());
        // A few characters more would not fit.
        const QString longer =
            content.rightTextWithComment(comment.left(kept.size() + 5) + QChar(0x2026));
        QVERIFY(painter.boundingRect(box, flags, longer).height() > box.height());
    }

    void chartAndColumnsAreDrawn()
    {
        QGraphicsScene scene(0, 0, 600, 600);
        scene.addEllipse(100, 100, 400, 400, QPen(Qt::black, 8));
        ReportContent content;
        content.chart = &scene;
        content.leftText = QStringLiteral("Name: Ann Lee\nTotal Error Score (TES): 4");
        content.rightText = QStringLiteral("Cap Order:\n85, 1, 2");
        const QImage page = render(content);
        QVERIFY(inked(page, ReportPainter::chartBox(Page).toRect().adjusted(10, 10, -10, -10)) >
                1000);
        QVERIFY(inked(page, ReportPainter::leftColumnBox(Page).toRect().adjusted(3, 3, -3, -3)) >
                100);
        QVERIFY(inked(page, ReportPainter::rightColumnBox(Page).toRect().adjusted(3, 3, -3, -3)) >
                100);
        QVERIFY(inked(page, ReportPainter::titleBox(Page).toRect()) > 100);
    }
};

QTEST_MAIN(TestReportPainter)
#include "tst_reportpainter.moc"
