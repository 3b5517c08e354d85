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
    void layoutFractions()
    {
        QCOMPARE(ReportPainter::titleBox(Page), QRectF(600, 14, 400, 140));
        QCOMPARE(ReportPainter::chartBox(Page), QRectF(150, 84, 700, 700));
        QCOMPARE(ReportPainter::headingBox(Page), QRectF(50, 756, 450, 42));
        QCOMPARE(ReportPainter::leftColumnBox(Page), QRectF(50, 798, 450, 448));
        QCOMPARE(ReportPainter::rightColumnBox(Page), QRectF(500, 798, 450, 448));
        QCOMPARE(ReportPainter::footerTextBox(Page), QRectF(170, 1260, 250, 140));
        QCOMPARE(ReportPainter::creditsBox(Page), QRectF(500, 1260, 450, 140));
        QCOMPARE(ReportPainter::watermarkOrigin(Page), QPointF(50, 28));
        QCOMPARE(ReportPainter::footerLogoOrigin(Page), QPointF(50, 1260));
    }

    void footerLogoIsScaledOrLeftOut()
    {
        QImage wide(400, 100, QImage::Format_RGB32);
        wide.fill(Qt::red);
        const QString path = QDir::temp().filePath(QStringLiteral("vk-logo-test.png"));
        QVERIFY(wide.save(path));
        QCOMPARE(ReportPainter::footerLogoFor(path, Page).size(), QSize(120, 30));
        QVERIFY(ReportPainter::footerLogoFor(QString(), Page).isNull());
        QVERIFY(ReportPainter::footerLogoFor(path + QLatin1String(".missing"), Page).isNull());
        QFile::remove(path);
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
