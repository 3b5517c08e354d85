#include "columntext.h"

#include "caporder.h"

#include <QVarLengthArray>

QString ColumnText::text(ColumnBytes b)
{
    return QString::fromUtf8(b.data, b.size);
}

QString ColumnText::unquoted(ColumnBytes b)
{
    if (b.size > 0) {
        // Cap orders are ASCII: widened straight into the string, quotes left out.
        QString t(b.size, Qt::Uninitialized);
        QChar *out = t.data();
        int i = 0;
        for (; i < b.size && static_cast<unsigned char>(b.data[i]) < 0x80; ++i) {
            if (b.data[i] != '"')
                *out++ = QLatin1Char(b.data[i]);
        }
        if (i == b.size) {
            t.truncate(int(out - t.constData()));
            return t;
        }
    }
    QString t = text(b);
    t.remove(QLatin1Char('"'));
    return t;
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
