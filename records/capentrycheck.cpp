#include "capentrycheck.h"

#include "caporder.h"

#include <algorithm>

namespace {

// Where each tray's entries begin and end in a whole text, as views into it.
std::array<QStringView, TrayCheck::Trays> trayParts(QStringView text)
{
    std::array<QStringView, TrayCheck::Trays> parts;
    std::array<const QChar *, TrayCheck::Trays> first{};
    std::array<const QChar *, TrayCheck::Trays> last{};
    size_t t = 0;
    int inTray = 0;
    TrayCheck::forEachEntry(text, [&](const QChar *begin, const QChar *end) {
        if (t + 1 < parts.size() && inTray == TrayCheck::sizeOf(static_cast<int>(t))) {
            ++t;
            inTray = 0;
        }
        if (!first[t])
            first[t] = begin;
        last[t] = end;
        ++inTray;
    });
    for (size_t i = 0; i < parts.size(); ++i) {
        if (first[i])
            parts[i] = QStringView(first[i], last[i]);
    }
    return parts;
}

} // namespace

CapEntryCheck::CapEntryCheck() : trays{TrayCheck(0), TrayCheck(1), TrayCheck(2), TrayCheck(3)}
{
    for (TrayCheck &t : trays)
        t.finish();
}

CapEntryCheck CapEntryCheck::check(QStringView text)
{
    // One pass: each entry goes to the tray whose share is not yet full.
    CapEntryCheck result;
    size_t t = 0;
    TrayCheck *tray = result.trays.data();
    int share = tray->size();
    TrayCheck::scan(text, [&]() -> TrayCheck & {
        if (tray->typed == share && t + 1 < result.trays.size()) {
            tray = &result.trays[++t];
            // The last tray takes whatever follows.
            share = t + 1 < result.trays.size() ? tray->size() : -1;
        }
        return *tray;
    });
    for (TrayCheck &each : result.trays)
        each.finish();
    return result;
}

CapEntryCheck CapEntryCheck::check(const QStringList &trayTexts)
{
    CapEntryCheck result;
    for (int t = 0; t < TrayCheck::Trays && t < trayTexts.size(); ++t)
        result.trays[static_cast<size_t>(t)] = TrayCheck::check(t, trayTexts.at(t));
    return result;
}

QStringList CapEntryCheck::splitTrays(QStringView text)
{
    QStringList list;
    for (QStringView part : trayParts(text))
        list.append(part.toString());
    return list;
}

const TrayCheck &CapEntryCheck::tray(int t) const
{
    return trays[static_cast<size_t>(qBound(0, t, TrayCheck::Trays - 1))];
}

bool CapEntryCheck::isComplete() const
{
    return std::all_of(trays.begin(), trays.end(),
                       [](const TrayCheck &t) { return t.isComplete(); });
}

int CapEntryCheck::typedCount() const
{
    int n = 0;
    for (const TrayCheck &t : trays)
        n += t.typedCount();
    return n;
}

QVector<int> CapEntryCheck::arrangement() const
{
    if (!isComplete())
        return {};
    QVector<int> caps;
    caps.reserve(CapOrder::Positions);
    for (const TrayCheck &t : trays)
        caps += t.caps();
    return caps;
}
