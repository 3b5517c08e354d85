#pragma once

#include <QColor>
#include <QVector>

// The 86 cap colours keyed 0 to 85. The charts colour their marks with them;
// the swatch images of the trays are drawn from the same values.
namespace CapColours {

constexpr int Count = 86;

// Colour of key 0..85; keys outside the table give black rather than reading past it.
QColor colour(int key);

// The whole table, in key order.
QVector<QColor> table();

} // namespace CapColours
