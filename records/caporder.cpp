#include "caporder.h"

#include <limits>

namespace CapOrder {

QVector<int> untouched()
{
    QVector<int> caps(Positions);
    caps[0] = Positions;
    for (int k = 1; k < Positions; ++k)
        caps[k] = k;
    return caps;
}

QString write(const QVector<int> &caps)
{
    QString text;
    text.reserve(caps.size() * 4);
    for (int cap : caps) {
        text += QString::number(cap);
        text += QLatin1String(", ");
    }
    return text;
}

bool isFullSet(const QVector<int> &caps)
{
    if (caps.size() < Positions)
        return false;
    QVector<bool> seen(Positions + 1, false);
    for (int k = 0; k < Positions; ++k) {
        const int cap = caps.at(k);
        if (cap < 1 || cap > Positions || seen.at(cap))
            return false;
        seen[cap] = true;
    }
    return true;
}

QVector<int> fullSet(const QVector<int> &caps)
{
    QVector<int> result;
    result.reserve(Positions);
    QVector<bool> seen(Positions + 1, false);
    const int used = qMin(caps.size(), Positions);
    for (int k = 0; k < used; ++k) {
        const int cap = caps.at(k);
        if (cap < 1 || cap > Positions || seen.at(cap))
            continue;
        seen[cap] = true;
        result.append(cap);
    }
    for (int cap = 1; cap <= Positions; ++cap) {
        if (!seen.at(cap))
            result.append(cap);
    }
    return result;
}

namespace {

// One piece between commas, converted like QString::toInt(): optional sign,
// ASCII digits, white space allowed around it, anything else or overflow gives 0.
int pieceValue(const QChar *begin, const QChar *end)
{
    while (begin < end && begin->isSpace())
        ++begin;
    while (end > begin && (end - 1)->isSpace())
        --end;
    if (begin == end)
        return 0;
    bool negative = false;
    if (*begin == QLatin1Char('+') || *begin == QLatin1Char('-')) {
        negative = *begin == QLatin1Char('-');
        ++begin;
        if (begin == end)
            return 0;
    }
    qint64 value = 0;
    for (const QChar *p = begin; p < end; ++p) {
        const ushort u = p->unicode();
        if (u < '0' || u > '9')
            return 0;
        value = value * 10 + (u - '0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return 0;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return 0;
    return int(value);
}

} // namespace

QVector<int> read(QStringView text)
{
    QVector<int> caps;
    caps.reserve(Positions);
    const QChar *p = text.data();
    const QChar *const end = p + text.size();
    const QChar *pieceStart = p;
    // A text always has at least one piece, even when it is empty.
    for (;;) {
        if (p == end || *p == QLatin1Char(',')) {
            caps.append(pieceValue(pieceStart, p));
            if (caps.size() == Positions || p == end)
                break;
            pieceStart = p + 1;
        }
        ++p;
    }
    return caps;
}

} // namespace CapOrder
