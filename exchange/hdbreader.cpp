#include "hdbreader.h"

#include <QString>
#include <QTextCodec>
#include <algorithm>
#include <bitset>
#include <cstring>

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

// Text up to the first zero byte: UTF-8, and no control character but tab and line breaks.
bool isText(const QByteArray &bytes, int offset, int width)
{
    const char *begin = bytes.constData() + offset;
    const char *end = static_cast<const char *>(std::memchr(begin, '\0', size_t(width)));
    const int length = end ? int(end - begin) : width;
    static QTextCodec *const utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState state;
    const QString text = utf8->toUnicode(begin, length, &state);
    if (state.invalidChars != 0 || state.remainingChars != 0)
        return false;
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        return (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\r') &&
                c != QLatin1Char('\n')) ||
               c.unicode() == 0x7f;
    });
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

bool HdbReader::isRecord(const QByteArray &bytes, int r)
{
    Q_ASSERT(r >= 0 && r + RecordSize <= bytes.size());
    std::bitset<CapSlots + 1> seen;
    for (int slot = 0; slot < CapSlots; ++slot) {
        const int cap = signedByte(bytes, r + CapsOffset + 2 * slot);
        if (cap < 1 || cap > CapSlots || seen.test(size_t(cap)))
            return false;
        seen.set(size_t(cap));
    }
    const int fields[][2] = {{LastOffset, NameWidth},        {FirstOffset, NameWidth},
                             {MiddleOffset, NameWidth},      {RefNumOffset, NameWidth},
                             {DobOffset, DateWidth},         {TestDateOffset, DateWidth},
                             {CommentsOffset, CommentsWidth}};
    return std::all_of(std::begin(fields), std::end(fields),
                       [&](const int(&field)[2]) { return isText(bytes, r + field[0], field[1]); });
}

QList<databaseEntry> HdbReader::read(const QByteArray &bytes, int *skipped)
{
    QList<databaseEntry> records;
    const int size = bytes.size();
    int passedOver = 0;
    int stretchEnd = 0; // a place passed over counts once per record length
    int i = 0;
    while (i < size) {
        if (!startsRecord(bytes.at(i))) {
            ++i;
            continue;
        }
        const bool fits = size - i >= RecordSize;
        if (fits && isRecord(bytes, i)) {
            records.append(readRecord(bytes, i));
            i += RecordStride;
            continue;
        }
        if (i >= stretchEnd) {
            ++passedOver;
            stretchEnd = i + RecordStride;
        }
        // Any later start lies even closer to the end, so nothing more can follow.
        if (!fits)
            break;
        ++i;
    }
    if (skipped)
        *skipped = passedOver;
    return records;
}
