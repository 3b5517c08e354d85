#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// Flat line icons of the button row and the dialogs, drawn in one ink colour
// on a 32-unit grid that is scaled to the box they are drawn into.
class IconPainter
{
public:
    enum class Glyph
    {
        Add,
        View,
        Analysis,
        Database,
        Print,
        Help,
        Edit,
        Trash
    };

    static void drawGlyph(QPainter *painter, Glyph glyph, const QRectF &box, const QColor &ink);

    // The small solid arrow of a combo box's drop-down button.
    static void drawDropDownArrow(QPainter *painter, const QRectF &box, const QColor &ink);
};
