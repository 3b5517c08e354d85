#include "traycheck.h"

#include "caporder.h"

#include <QtGlobal>

namespace {

// Longest entry that is named in full; longer ones are shortened.
constexpr int NamedLength = 12;
// A number with more digits than this is no cap, whatever its value.
constexpr int SaturatedValue = 1000;

const QString &problemSeparator()
{
    static const QString separator = QStringLiteral(" \u00B7 ");
    return separator;
}

// Decimal digit value of a character, or -1.
int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    // Full-width digits from a Japanese or Chinese input method, and the like.
    if (u >= 0x80 && c.isDigit())
        return c.digitValue();
    return -1;
}

} // namespace

bool TrayCheck::isWideSeparator(QChar c)
{
    // Ideographic comma, full-width comma and semicolon; every Unicode blank and line break.
    const char16_t u = c.unicode();
    return u == 0x3001 || u == 0xFF0C || u == 0xFF1B || c.isSpace();
}

int TrayCheck::trayOf(int cap)
{
    if (cap < 1 || cap > MaxCap)
        return -1;
    if (cap == MaxCap || cap < CapOrder::Tray1Size)
        return 0;
    return 1 + (cap - CapOrder::Tray1Size) / CapOrder::TraySize;
}

int TrayCheck::sizeOf(int tray)
{
    return CapOrder::traySize(qBound(0, tray, Trays - 1));
}

QVector<int> TrayCheck::capsOf(int tray)
{
    const int t = qBound(0, tray, Trays - 1);
    return CapOrder::untouched().mid(CapOrder::trayStart(t), CapOrder::traySize(t));
}

TrayCheck::TrayCheck(int tray) : trayIndex(qBound(0, tray, Trays - 1)) {}

TrayCheck TrayCheck::check(int tray, QStringView text)
{
    Q_ASSERT(tray >= 0 && tray < Trays);
    TrayCheck result(tray);
    scan(text, [&result]() -> TrayCheck & { return result; });
    result.finish();
    return result;
}

void TrayCheck::addOtherEntry(const QChar *begin, const QChar *end)
{
    int value = 0;
    for (const QChar *p = begin; p < end; ++p) {
        const int digit = digitValue(*p);
        if (digit < 0) {
            value = -1;
            break;
        }
        value = qMin(value * 10 + digit, SaturatedValue);
    }
    addNumber(value, begin, end);
}

void TrayCheck::addNotCap(const QChar *begin, const QChar *end)
{
    ++notCapTotal;
    if (notCapTexts.size() < MaxNamed) {
        const int length = static_cast<int>(end - begin);
        QString name(begin, qMin(length, NamedLength));
        if (length > NamedLength)
            name += QChar(0x2026);
        notCapTexts.append(name);
    }
}

void TrayCheck::finish()
{
    complete = typed == size() && notCapTotal == 0;
    // As many entries as the tray has caps, and each of them there once: no room
    // is left for a repeat or a cap of another tray.
    const int first = trayIndex == 0 ? 1 : CapOrder::trayStart(trayIndex);
    const int last = trayIndex == 0 ? CapOrder::Tray1Size - 1 : first + CapOrder::TraySize - 1;
    for (int cap = first; complete && cap <= last; ++cap)
        complete = seen[static_cast<size_t>(cap)] == 1;
    if (trayIndex == 0 && complete)
        complete = seen[MaxCap] == 1;
}

QVector<int> TrayCheck::caps() const
{
    QVector<int> list;
    list.reserve(kept);
    for (int i = 0; i < kept; ++i)
        list.append(order[static_cast<size_t>(i)]);
    return list;
}

QVector<int> TrayCheck::missing() const
{
    QVector<int> list;
    for (int cap = 1; cap <= MaxCap; ++cap) {
        if (trayOf(cap) == trayIndex && seen[static_cast<size_t>(cap)] == 0)
            list.append(cap);
    }
    return list;
}

QVector<int> TrayCheck::repeated() const
{
    QVector<int> list;
    for (int cap = 1; cap <= MaxCap; ++cap) {
        if (seen[static_cast<size_t>(cap)] > 1)
            list.append(cap);
    }
    return list;
}

int TrayCheck::timesTyped(int cap) const
{
    return cap >= 1 && cap <= MaxCap ? seen[static_cast<size_t>(cap)] : 0;
}

QVector<int> TrayCheck::otherTray() const
{
    QVector<int> list;
    for (int cap = 1; cap <= MaxCap; ++cap) {
        if (trayOf(cap) != trayIndex && seen[static_cast<size_t>(cap)] > 0)
            list.append(cap);
    }
    return list;
}

QString TrayCheck::listText(const QVector<int> &caps)
{
    QString text;
    int i = 0;
    while (i < caps.size()) {
        int last = i;
        while (last + 1 < caps.size() && caps.at(last + 1) == caps.at(last) + 1)
            ++last;
        if (!text.isEmpty())
            text += QStringLiteral(", ");
        if (last - i >= 2) {
            text += QString::number(caps.at(i)) + QChar(0x2013) + QString::number(caps.at(last));
            i = last + 1;
        } else {
            text += QString::number(caps.at(i));
            ++i;
        }
    }
    return text;
}

QString TrayCheck::problemText() const
{
    if (isComplete())
        return QString();
    QStringList parts;
    const QVector<int> absent = missing();
    if (!absent.isEmpty())
        parts << tr("missing %1").arg(listText(absent));

    const QVector<int> elsewhere = otherTray();
    for (int t = 0; t < Trays; ++t) {
        QVector<int> ofTray;
        for (int cap : elsewhere) {
            if (trayOf(cap) == t)
                ofTray.append(cap);
        }
        if (ofTray.size() == 1)
            parts << tr("%1 belongs to tray %2").arg(ofTray.first()).arg(t + 1);
        else if (ofTray.size() > 1)
            parts << tr("%1 belong to tray %2").arg(listText(ofTray)).arg(t + 1);
    }

    QVector<int> twice;
    QVector<int> more;
    for (int cap : repeated())
        (seen[static_cast<size_t>(cap)] == 2 ? twice : more).append(cap);
    if (!twice.isEmpty())
        parts << tr("%1 typed twice").arg(listText(twice));
    if (!more.isEmpty())
        parts << tr("%1 typed more than twice").arg(listText(more));

    if (notCapTotal > 0) {
        QString names = notCapTexts.join(QStringLiteral(", "));
        if (notCapTotal > notCapTexts.size())
            names += QStringLiteral(", ") + QChar(0x2026);
        parts << (notCapTotal == 1 ? tr("%1 is not a cap number") : tr("%1 are not cap numbers"))
                     .arg(names);
    }
    return parts.join(problemSeparator());
}
