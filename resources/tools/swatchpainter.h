#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>

// Draws the tray swatches: one round cap seen slightly from above, its top face
// in the cap's colour, on the tray's light grey background.
class SwatchPainter
{
public:
    // Swatches are numbered 0..85; the tile of cap n shows swatch n - 1.
    static constexpr int Count = 86;

    static QSize size();
    static QColor background();

    // A pixel in the middle of the top face; it carries topColour() unmixed.
    static QPoint topFaceCentre();

    // Colour of the top face of swatch `index`; invalid outside 0..85.
    static QColor topColour(int index);

    // The whole swatch; a null image outside 0..85.
    static QImage swatch(int index);
};
