#pragma once

#include <QStringList>
#include <QVector>
#include <numeric>

// Cap numbers as the trays hold them and as the examiner types them.
struct EntryFixture
{
    // The caps first..last in order.
    static QVector<int> range(int first, int last)
    {
        QVector<int> caps(last - first + 1);
        std::iota(caps.begin(), caps.end(), first);
        return caps;
    }
    // Tray 1 as a new test lays it out: 85, 1, ..., 21.
    static QVector<int> tray1() { return QVector<int>{85} + range(1, 21); }
    // Cap numbers joined by the separator, as typed into a tray's line.
    static QString joined(const QVector<int> &caps, const QString &separator = QStringLiteral(" "))
    {
        QStringList parts;
        for (int cap : caps)
            parts << QString::number(cap);
        return parts.join(separator);
    }
};
