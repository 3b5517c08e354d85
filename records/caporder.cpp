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

ushort codeOf(QChar c)
{
    return c.unicode();
}
ushort codeOf(char c)
{
    return static_cast<uchar>(c);
}

// One piece between commas, converted like QString::toInt(): optional sign,
// ASCII digits, white space allowed around it, anything else or overflow gives 0.
// The written form: one blank, then at most 9 digits, which cannot overflow.
template <typename Char> bool writtenValue(const Char *begin, const Char *end, int &value)
{
    const Char *p = begin < end && codeOf(*begin) == ' ' ? begin + 1 : begin;
    if (end - p > 9)
        return false;
    value = 0;
    for (unsigned d = 0; p < end && (d = codeOf(*p) - '0') <= 9; ++p)
        value = value * 10 + int(d);
    return p == end;
}

template <typename Char> int pieceValue(const Char *begin, const Char *end)
{
    int written = 0;
    if (writtenValue(begin, end, written))
        return written;
    const auto isSpace = [](Char c) { return QChar(codeOf(c)).isSpace(); };
    while (begin < end && isSpace(*begin))
        ++begin;
    while (end > begin && isSpace(*(end - 1)))
        --end;
    if (begin == end)
        return 0;
    bool negative = false;
    if (codeOf(*begin) == '+' || codeOf(*begin) == '-') {
        negative = codeOf(*begin) == '-';
        ++begin;
        if (begin == end)
            return 0;
    }
    qint64 value = 0;
    for (const Char *p = begin; p < end; ++p) {
        const ushort u = codeOf(*p);
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

template <typename Char> QVector<int> readPieces(const Char *p, const Char *const end)
{
    QVector<int> caps(Positions);
    int *const out = caps.data();
    int count = 0;
    const Char *pieceStart = p;
    // A text always has at least one piece, even when it is empty.
    for (;;) {
        if (p == end || codeOf(*p) == ',') {
            out[count++] = pieceValue(pieceStart, p);
            if (count == Positions || p == end)
                break;
            pieceStart = p + 1;
        }
        ++p;
    }
    caps.resize(count);
    return caps;
}

} // namespace

QVector<int> read(QStringView text)
{
    return readPieces(text.data(), text.data() + text.size());
}

QVector<int> read(QLatin1String text)
{
    return readPieces(text.data(), text.data() + text.size());
}

} // namespace CapOrder
