#pragma once

#include <QRectF>

class QPainter;

// The program's mark: the 85 cap colours around a circle, as the caps lie in
// the trays, with a blue V in the middle. Used by the about box, the report
// watermark and the application icon.
class MarkPainter
{
public:
    enum class Ring
    {
        Caps, // one dot per cap: for pictures shown at their own size
        Band  // a continuous colour band: survives scaling down to a few pixels
    };

    static void drawMark(QPainter *painter, const QRectF &box, Ring ring);

    // The mark on a light rounded tile, as desktops show application icons.
    static void drawAppIcon(QPainter *painter, const QRectF &box);
};
