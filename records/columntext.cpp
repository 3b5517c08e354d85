#include "columntext.h"

#include "caporder.h"

#include <QVarLengthArray>
#include <cstring>

namespace {

// One plain pass, which the compiler turns into vector code.
bool isAscii(ColumnBytes b)
{
    unsigned char all = 0;
    for (int i = 0; i < b.size; ++i)
        all |= static_cast<unsigned char>(b.data[i]);
    return all < 0x80;
}

// Room for `size` characters in `out`: its own memory when it is large enough
// and not shared, else exactly as much as asked (resize() would round up, which
// for thousands of cap orders held at once is a third more memory).
QChar *roomFor(QString &out, int size)
{
    if (out.isDetached() && out.capacity() >= size)
        out.resize(size);
    else
        out = QString(size, Qt::Uninitialized);
    return out.data();
}

} // namespace

QString ColumnText::text(ColumnBytes b)
{
    return QString::fromUtf8(b.data, b.size);
}

void ColumnText::text(ColumnBytes b, QString &out)
{
    if (!b.data || !isAscii(b)) {
        out = text(b);
        return;
    }
    auto *to = reinterpret_cast<char16_t *>(roomFor(out, b.size));
    for (int i = 0; i < b.size; ++i)
        to[i] = static_cast<unsigned char>(b.data[i]);
}

QString ColumnText::unquoted(ColumnBytes b)
{
    QString t;
    unquoted(b, t);
    return t;
}

void ColumnText::unquoted(ColumnBytes b, QString &out)
{
    text(b, out);
    // Most cap orders hold no quote: nothing to remove.
    if (b.size > 0 && memchr(b.data, '"', size_t(b.size)))
        out.remove(QLatin1Char('"'));
}

QVector<int> ColumnText::capOrder(ColumnBytes b)
{
    QVarLengthArray<char, 512> ascii;
    for (int i = 0; i < b.size; ++i) {
        // Cap orders are ASCII: anything else is read through its text.
        if (static_cast<unsigned char>(b.data[i]) >= 0x80)
            return CapOrder::read(unquoted(b));
        if (b.data[i] != '"')
            ascii.append(b.data[i]);
    }
    return CapOrder::read(QLatin1String(ascii.constData(), ascii.size()));
}

QString ColumnText::shared(int column, ColumnBytes b)
{
    if (b.size == 0 || column < 0)
        return text(b);
    if (pools.size() <= column)
        pools.resize(column + 1);
    QHash<QByteArray, QString> &pool = pools[column];
    const auto found = pool.constFind(QByteArray::fromRawData(b.data, b.size));
    if (found != pool.cend())
        return found.value();
    QString t = text(b);
    if (pool.size() < MaxShared)
        pool.insert(QByteArray(b.data, b.size), t);
    return t;
}
