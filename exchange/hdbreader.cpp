#include "hdbreader.h"

#include <QString>

namespace {

// Full width, filler included: the stored text keeps blanks and zero bytes.
// The pointer-and-size overload is used because the QByteArray one stops at a zero byte.
QString text(const QByteArray &bytes, int offset, int width)
{
    return QString::fromUtf8(bytes.constData() + offset, width);
}

int signedByte(const QByteArray &bytes, int offset)
{
    return static_cast<signed char>(bytes.at(offset));
}

} // namespace

bool HdbReader::startsRecord(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

databaseEntry HdbReader::readRecord(const QByteArray &bytes, int r)
{
    Q_ASSERT(r >= 0 && r + RecordSize <= bytes.size());
    databaseEntry e;
    e.last = text(bytes, r + LastOffset, NameWidth);
    e.first = text(bytes, r + FirstOffset, NameWidth);
    e.middle = text(bytes, r + MiddleOffset, NameWidth);
    e.refNum = text(bytes, r + RefNumOffset, NameWidth);
    e.DOB = text(bytes, r + DobOffset, DateWidth);
    e.testDate = text(bytes, r + TestDateOffset, DateWidth);
    e.time = QString::number(signedByte(bytes, r + TimeOffset));
    e.comments = text(bytes, r + CommentsOffset, CommentsWidth);

    // Position 0 is not in the file; cap 85 always lies there. Bare commas, as the
    // cap-order reader accepts them.
    QString scores = QStringLiteral("85,");
    for (int slot = 0; slot < CapSlots; ++slot)
        scores += QString::number(signedByte(bytes, r + CapsOffset + 2 * slot)) + QLatin1Char(',');
    e.scores = scores;
    return e;
}

QList<databaseEntry> HdbReader::read(const QByteArray &bytes)
{
    QList<databaseEntry> records;
    const int size = bytes.size();
    int i = 0;
    while (i < size) {
        if (!startsRecord(bytes.at(i))) {
            ++i;
            continue;
        }
        // Any later start lies even closer to the end, so nothing more can follow.
        if (size - i < RecordSize)
            break;
        records.append(readRecord(bytes, i));
        i += RecordStride;
    }
    return records;
}
