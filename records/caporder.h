#pragma once

#include <QString>
#include <QStringView>
#include <QVector>

// The cap-order text: the 85 cap numbers in tray order (tray 1 positions 0-21,
// tray 2 22-42, tray 3 43-63, tray 4 64-84).
//
// Written form: every number followed by ", " (the last one too).
// Read form: split at every comma, keep empty pieces, each piece is a base-10
// integer with surrounding white space ignored; a piece that does not convert
// reads as 0. Only the first 85 pieces are used.
//
// Contract for texts that are not a full set: read() never returns more than
// 85 values and never pads. A text with fewer than 85 pieces gives fewer values,
// and isComplete() tells the caller that the arrangement is not valid. Values
// outside 1..85 are returned as they are; the scoring code decides what they mean.
namespace CapOrder {

constexpr int Positions = 85;
constexpr int Tray1Size = 22;
constexpr int TraySize = 21;

// 85, 1, 2, ..., 84: the arrangement a new test starts from.
QVector<int> untouched();

QString write(const QVector<int> &caps);
QVector<int> read(QStringView text);
// The same for a text of Latin-1 bytes, such as a cap order as the file holds it.
QVector<int> read(QLatin1String text);
inline QVector<int> read(const QString &text)
{
    return read(QStringView(text));
}

inline bool isComplete(const QVector<int> &caps)
{
    return caps.size() >= Positions;
}

// True when the first 85 values hold every cap 1..85 exactly once.
bool isFullSet(const QVector<int> &caps);

// The arrangement the trays can show for any text: the caps 1..85 of the first 85
// values in their order, with 0, values outside 1..85 and repeats left out, followed
// by the caps still missing in ascending order. Always 85 values, each cap once.
QVector<int> fullSet(const QVector<int> &caps);

// First position of each tray, and the tray holding a position (0..3).
constexpr int trayStart(int tray)
{
    return tray == 0 ? 0 : Tray1Size + (tray - 1) * TraySize;
}
constexpr int traySize(int tray)
{
    return tray == 0 ? Tray1Size : TraySize;
}

} // namespace CapOrder
