#include "reportpainter.h"

#include "logoimage.h"

#include <QCoreApplication>
#include <QFont>
#include <QGraphicsScene>
#include <QPainter>

namespace {

QRectF box(const QSizeF &page, qreal left, qreal top, qreal width, qreal height)
{
    return QRectF(left * page.width(), top * page.height(), width * page.width(),
                  height * page.height());
}

// Point sizes follow the device's resolution, so paper and PDF read the same.
QFont reportFont(bool bold)
{
    QFont font(QStringLiteral("times"), 10);
    font.setWeight(bold ? 75 : 50);
    return font;
}

constexpr int WrapLeft = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

bool fits(QPainter &painter, const QRectF &box, const QString &text)
{
    return painter.boundingRect(box, WrapLeft, text).height() <= box.height();
}

// The first n characters, never ending inside a surrogate pair, with an ellipsis.
QString shortened(const QString &text, int n)
{
    if (n > 0 && text.at(n - 1).isHighSurrogate())
        --n;
    QString cut = text.left(n);
    while (!cut.isEmpty() && cut.back().isSpace())
        cut.chop(1);
    return cut + QChar(0x2026);
}

} // namespace

QRectF ReportPainter::titleBox(const QSizeF &p)
{
    return box(p, 0.60, 0.01, 0.40, 0.10);
}
QRectF ReportPainter::chartBox(const QSizeF &p)
{
    return box(p, 0.15, 0.06, 0.70, 0.50);
}
QRectF ReportPainter::headingBox(const QSizeF &p)
{
    return box(p, 0.05, 0.54, 0.45, 0.03);
}
QRectF ReportPainter::leftColumnBox(const QSizeF &p)
{
    return box(p, 0.05, 0.57, 0.45, 0.32);
}
QRectF ReportPainter::rightColumnBox(const QSizeF &p)
{
    return box(p, 0.50, 0.57, 0.45, 0.32);
}
QRectF ReportPainter::footerTextBox(const QSizeF &p)
{
    return box(p, 0.17, 0.90, 0.25, 0.10);
}
QRectF ReportPainter::creditsBox(const QSizeF &p)
{
    return box(p, 0.50, 0.90, 0.45, 0.10);
}
QPointF ReportPainter::watermarkOrigin(const QSizeF &p)
{
    return QPointF(0.05 * p.width(), 0.02 * p.height());
}
QPointF ReportPainter::footerLogoOrigin(const QSizeF &p)
{
    return QPointF(0.05 * p.width(), 0.90 * p.height());
}

QImage ReportPainter::footerLogoFor(const QString &path, const QSizeF &page, QString *why)
{
    if (path.isEmpty())
        return QImage();
    // A huge picture is never decoded whole: only at the size the page shows it.
    return LogoImage::read(path, QSize(int(0.12 * page.width()), int(0.12 * page.height())),
                           LogoImage::Fit, why);
}

QString ReportPainter::title()
{
    return QCoreApplication::translate("MainWindow", "Veskora Results");
}

QString ReportPainter::heading()
{
    return QCoreApplication::translate("MainWindow", "Results");
}

QString ReportPainter::credits()
{
    return QCoreApplication::translate("MainWindow", "Test developed by:\n"
                                                     "Veskora Colour Science Laboratory\n"
                                                     "Department of Visual Psychophysics\n"
                                                     "Software: Veskora Scoring Team");
}

QString ReportPainter::fittedRightText(QPainter &painter, const QSizeF &page,
                                       const ReportContent &c)
{
    const QRectF column = rightColumnBox(page);
    if (!c.rightTextWithComment || c.comment.isEmpty() || fits(painter, column, c.rightText))
        return c.rightText;
    // The longest beginning of the comment that leaves room for the rest.
    int low = 0;
    int high = c.comment.size() - 1;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (fits(painter, column, c.rightTextWithComment(shortened(c.comment, mid))))
            low = mid;
        else
            high = mid - 1;
    }
    return c.rightTextWithComment(shortened(c.comment, low));
}

void ReportPainter::draw(QPainter &painter, const QSizeF &page, const ReportContent &c)
{
    const QFont regular = reportFont(false);
    const QFont bold = reportFont(true);
    const int wrapLeft = WrapLeft;

    if (c.chart)
        c.chart->render(&painter, chartBox(page), c.chart->sceneRect(), Qt::KeepAspectRatio);

    painter.setFont(bold);
    painter.drawText(titleBox(page), Qt::AlignCenter, title());
    painter.drawText(headingBox(page), Qt::AlignLeft | Qt::AlignVCenter, heading());

    if (!c.watermark.isNull())
        painter.drawImage(watermarkOrigin(page), c.watermark);
    if (c.drawFooterLogo && !c.footerLogo.isNull())
        painter.drawImage(footerLogoOrigin(page), c.footerLogo);

    painter.setFont(regular);
    painter.drawRect(leftColumnBox(page));
    painter.drawRect(rightColumnBox(page));
    painter.drawText(leftColumnBox(page), wrapLeft, c.leftText);
    painter.drawText(rightColumnBox(page), wrapLeft, fittedRightText(painter, page, c));
    painter.drawText(creditsBox(page), wrapLeft, credits());
    painter.drawText(footerTextBox(page), wrapLeft, c.footerText);
}
