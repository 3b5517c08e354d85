#include "fifoguard.h"
#include "reportpainter.h"
#include "storefixture.h"

#include <QPainter>
#include <QtTest>

namespace {

const QSizeF Page(1000, 1400);

// The page drawn with the content, and its number of non-white pixels in each box.
QList<int> inked(const ReportContent &content, const QList<QRectF> &boxes)
{
    QImage image(Page.toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ReportPainter::draw(painter, Page, content);
    QList<int> counts;
    for (const QRectF &box : boxes) {
        const QRect r = box.toRect() & image.rect();
        counts << 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                counts.last() += image.pixel(x, y) != qRgb(255, 255, 255);
    }
    return counts;
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
        QImage image(picture, QImage::Format_Mono);
        image.fill(0);
        QVERIFY(!picture.isValid() || image.save(path));
        QVERIFY(kind != QLatin1String("text") || StoreFixture::writeFile(path, "no picture"));
        QVERIFY(kind != QLatin1String("folder") || QDir().mkdir(path));
        FifoGuard pipe(kind == QLatin1String("pipe") ? path
                                                     : dir.filePath(QStringLiteral("unused")));
        QString reason;
        const QImage logo = ReportPainter::footerLogoFor(path, Page, &reason);
        QVERIFY(!pipe.fired());
        QCOMPARE(logo.size(), picture.isValid() ? QSize(120, 30) : QSize(0, 0));
        QVERIFY2(why.isEmpty() ? reason.isEmpty() : reason.contains(why), qPrintable(reason));
    }

    // The logo and a long footer land in their boxes, the footer wrapped and nothing
    // beside it; a logo switched off or missing draws nothing.
    void footerIsDrawnInItsBoxes()
    {
        ReportContent content;
        content.footerText = QStringLiteral("Colour Vision Laboratory of the Northern Regional "
                                            "Institute of Applied Optics, Building seven, second "
                                            "floor, examination room four");
        content.footerLogo = QImage(100, 100, QImage::Format_RGB32);
        content.footerLogo.fill(Qt::darkBlue);
        const QRectF logo(ReportPainter::footerLogoOrigin(Page), QSizeF(100, 100));
        const QRect footer = ReportPainter::footerTextBox(Page).toRect();
        const int line = QFontMetrics(QFont(QStringLiteral("times"), 10)).height();
        const QList<int> counts = inked(
            content, {logo, QRect(footer.left(), footer.top() + line + 2, footer.width(), line),
                      QRect(footer.right() + 2, footer.top(), 500 - footer.right() - 4, 130)});
        QVERIFY2(counts[0] > 9000 && counts[1] > 0 && counts[2] == 0,
                 qPrintable(QString::number(counts[0])));
        content.drawFooterLogo = false;
        QCOMPARE(inked(content, {logo}), QList<int>{0});
        content.drawFooterLogo = true;
        content.footerLogo = QImage();
        QCOMPARE(inked(content, {logo}), QList<int>{0});
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
        const auto fits = [&](const QString &text) {
            return painter.boundingRect(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text)
                       .height() <= box.height();
        };
        QVERIFY(fits(drawn) && drawn.endsWith(results));
        QCOMPARE(drawn == content.rightText, comment.size() < 10);
        const int at = drawn.indexOf(QStringLiteral("Comments: ")) + 10;
        const QString kept = drawn.mid(at, drawn.size() - at - results.size() - 1);
        if (comment.size() < 10)
            return;
        // The room left is used, not thrown away, and no character is cut in half.
        QVERIFY(kept.endsWith(QChar(0x2026)) && kept.size() > 20);
        QVERIFY(comment.startsWith(kept.chopped(1).trimmed()) &&
                !kept.at(kept.size() - 2).isHighSurrogate());
        // A few characters more would not fit.
        QVERIFY(!fits(content.rightTextWithComment(comment.left(kept.size() + 5) + QChar(0x2026))));
    }
};

QTEST_MAIN(TestReportPainter)
#include "tst_reportpainter.moc"
