#include "iconpainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace {

constexpr qreal Grid = 32.0;
constexpr qreal Stroke = 2.25;

void drawAdd(QPainter *p)
{
    p->drawEllipse(QPointF(16, 16), 12.5, 12.5);
    p->drawLine(QPointF(16, 10.5), QPointF(16, 21.5));
    p->drawLine(QPointF(10.5, 16), QPointF(21.5, 16));
}

void drawView(QPainter *p)
{
    QPainterPath eye;
    eye.moveTo(3, 16);
    eye.cubicTo(8, 7.5, 24, 7.5, 29, 16);
    eye.cubicTo(24, 24.5, 8, 24.5, 3, 16);
    p->drawPath(eye);
    p->drawEllipse(QPointF(16, 16), 4.75, 4.75);
    const QColor ink = p->pen().color();
    p->save();
    p->setPen(Qt::NoPen);
    p->setBrush(ink);
    p->drawEllipse(QPointF(16, 16), 2.0, 2.0);
    p->restore();
}

void drawAnalysis(QPainter *p)
{
    QPainterPath axes;
    axes.moveTo(5, 4.5);
    axes.lineTo(5, 27);
    axes.lineTo(28, 27);
    p->drawPath(axes);
    const QColor ink = p->pen().color();
    p->save();
    p->setPen(Qt::NoPen);
    p->setBrush(ink);
    p->drawRoundedRect(QRectF(9, 17, 4.5, 7.5), 1, 1);
    p->drawRoundedRect(QRectF(15.5, 9, 4.5, 15.5), 1, 1);
    p->drawRoundedRect(QRectF(22, 13, 4.5, 11.5), 1, 1);
    p->restore();
}

void drawDatabase(QPainter *p)
{
    const qreal left = 6.5;
    const qreal right = 25.5;
    const qreal rx = (right - left) / 2;
    const qreal ry = 4.0;
    const qreal top = 8.0;
    const qreal bottom = 24.0;
    p->drawEllipse(QPointF(16, top), rx, ry);
    QPainterPath body;
    body.moveTo(left, top);
    body.lineTo(left, bottom);
    body.arcTo(QRectF(left, bottom - ry, 2 * rx, 2 * ry), 180, 180);
    body.lineTo(right, top);
    for (const qreal band : {top + (bottom - top) / 3, top + 2 * (bottom - top) / 3}) {
        body.moveTo(left, band);
        body.arcTo(QRectF(left, band - ry, 2 * rx, 2 * ry), 180, 180);
    }
    p->drawPath(body);
}

void drawPrint(QPainter *p)
{
    const QRectF paperIn(9.5, 4, 13, 7.5);
    const QRectF paperOut(9.5, 18, 13, 10);
    p->drawRect(paperIn);
    // The body outline stops where the printed sheet lies over it.
    p->save();
    QPainterPath visible;
    visible.addRect(QRectF(0, 0, Grid, Grid));
    QPainterPath hidden;
    hidden.addRect(paperOut.adjusted(-1, 0, 1, 0));
    p->setClipPath(visible.subtracted(hidden));
    p->drawRoundedRect(QRectF(4, 11.5, 24, 11.5), 2.5, 2.5);
    p->restore();
    p->drawRect(paperOut);
    p->drawLine(QPointF(12.5, 22), QPointF(19.5, 22));
    p->drawLine(QPointF(12.5, 25), QPointF(17.5, 25));
    const QColor ink = p->pen().color();
    p->save();
    p->setPen(Qt::NoPen);
    p->setBrush(ink);
    p->drawEllipse(QPointF(24, 15), 1.3, 1.3);
    p->restore();
}

void drawHelp(QPainter *p)
{
    p->drawEllipse(QPointF(16, 16), 12.5, 12.5);
    QPainterPath mark;
    const QRectF bend(16 - 4, 12.5 - 4, 8, 8);
    mark.arcMoveTo(bend, 160);
    mark.arcTo(bend, 160, -205);
    mark.quadTo(QPointF(16, 16.5), QPointF(16, 19));
    p->drawPath(mark);
    const QColor ink = p->pen().color();
    p->save();
    p->setPen(Qt::NoPen);
    p->setBrush(ink);
    p->drawEllipse(QPointF(16, 23), 1.5, 1.5);
    p->restore();
}

void drawEdit(QPainter *p)
{
    // A pencil laid horizontally, then turned to point at the lower left.
    QPainterPath pencil;
    pencil.moveTo(3.5, 16);
    pencil.lineTo(9.5, 12);
    pencil.lineTo(26, 12);
    pencil.quadTo(29, 12, 29, 16);
    pencil.quadTo(29, 20, 26, 20);
    pencil.lineTo(9.5, 20);
    pencil.closeSubpath();
    pencil.moveTo(9.5, 12);
    pencil.lineTo(9.5, 20);
    pencil.moveTo(23, 12);
    pencil.lineTo(23, 20);
    QTransform turn;
    turn.translate(16, 16);
    turn.rotate(-45);
    turn.translate(-16, -16);
    p->drawPath(turn.map(pencil));
    QPainterPath tip;
    tip.moveTo(3.5, 16);
    tip.lineTo(6.2, 14.2);
    tip.lineTo(6.2, 17.8);
    tip.closeSubpath();
    const QColor ink = p->pen().color();
    p->save();
    p->setBrush(ink);
    p->drawPath(turn.map(tip));
    p->restore();
}

void drawTrash(QPainter *p)
{
    p->drawLine(QPointF(5.5, 8.5), QPointF(26.5, 8.5));
    QPainterPath handle;
    handle.moveTo(12.5, 8.5);
    handle.lineTo(12.5, 4.5);
    handle.lineTo(19.5, 4.5);
    handle.lineTo(19.5, 8.5);
    p->drawPath(handle);
    QPainterPath bin;
    bin.moveTo(8, 8.5);
    bin.lineTo(9.5, 27.5);
    bin.lineTo(22.5, 27.5);
    bin.lineTo(24, 8.5);
    p->drawPath(bin);
    p->drawLine(QPointF(13, 13), QPointF(13.4, 23.5));
    p->drawLine(QPointF(16, 13), QPointF(16, 23.5));
    p->drawLine(QPointF(19, 13), QPointF(18.6, 23.5));
}

} // namespace

void IconPainter::drawGlyph(QPainter *painter, Glyph glyph, const QRectF &box, const QColor &ink)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(box.topLeft());
    painter->scale(box.width() / Grid, box.height() / Grid);
    painter->setPen(QPen(ink, Stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::Add:
        drawAdd(painter);
        break;
    case Glyph::View:
        drawView(painter);
        break;
    case Glyph::Analysis:
        drawAnalysis(painter);
        break;
    case Glyph::Database:
        drawDatabase(painter);
        break;
    case Glyph::Print:
        drawPrint(painter);
        break;
    case Glyph::Help:
        drawHelp(painter);
        break;
    case Glyph::Edit:
        drawEdit(painter);
        break;
    case Glyph::Trash:
        drawTrash(painter);
        break;
    }
    painter->restore();
}

void IconPainter::drawDropDownArrow(QPainter *painter, const QRectF &box, const QColor &ink)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(box.topLeft());
    painter->scale(box.width() / 16.0, box.height() / 16.0);
    QPainterPath arrow;
    arrow.moveTo(3.5, 6);
    arrow.lineTo(12.5, 6);
    arrow.lineTo(8, 11);
    arrow.closeSubpath();
    painter->setPen(QPen(ink, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->setBrush(ink);
    painter->drawPath(arrow);
    painter->restore();
}
