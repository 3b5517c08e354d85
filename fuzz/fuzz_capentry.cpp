// Typed cap numbers: the examiner's keystrokes and pasted texts of any kind.
#include "capentrycheck.h"
#include "fuzzcheck.h"
#include "traycheck.h"

#include <algorithm>

namespace {

void checkTray(const TrayCheck &tray)
{
    const QVector<int> caps = tray.caps();
    const int capEntries = tray.typedCount() - tray.notCapCount();
    FUZZ_CHECK(capEntries >= 0);
    FUZZ_CHECK(caps.size() == qMin(capEntries, int(TrayCheck::MaxCap)));
    FUZZ_CHECK(tray.notCaps().size() == qMin(tray.notCapCount(), int(TrayCheck::MaxNamed)));
    for (int cap : caps)
        FUZZ_CHECK(cap >= 1 && cap <= TrayCheck::MaxCap && tray.timesTyped(cap) > 0);
    for (int cap : tray.missing())
        FUZZ_CHECK(TrayCheck::trayOf(cap) == tray.tray() && tray.timesTyped(cap) == 0);
    for (int cap : tray.repeated())
        FUZZ_CHECK(tray.timesTyped(cap) > 1);
    for (int cap : tray.otherTray())
        FUZZ_CHECK(TrayCheck::trayOf(cap) != tray.tray() && tray.timesTyped(cap) > 0);

    // Complete means a permutation of the tray's own caps, and nothing else typed.
    FUZZ_CHECK(tray.isComplete() == tray.problemText().isEmpty());
    if (tray.isComplete()) {
        QVector<int> sorted = caps;
        std::sort(sorted.begin(), sorted.end());
        QVector<int> own = TrayCheck::capsOf(tray.tray());
        std::sort(own.begin(), own.end());
        FUZZ_CHECK(sorted == own);
        FUZZ_CHECK(tray.typedCount() == tray.size() && tray.notCapCount() == 0);
        FUZZ_CHECK(tray.missing().isEmpty() && tray.repeated().isEmpty() &&
                   tray.otherTray().isEmpty());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = FuzzInput::text(data, size);

    // The text as one tray's line, for each tray.
    for (int t = 0; t < TrayCheck::Trays; ++t) {
        const TrayCheck tray = TrayCheck::check(t, text);
        FUZZ_CHECK(tray.tray() == t);
        checkTray(tray);
    }

    // The text as a whole arrangement, and again as the four parts it splits into.
    const CapEntryCheck whole = CapEntryCheck::check(text);
    const CapEntryCheck parts = CapEntryCheck::check(CapEntryCheck::splitTrays(text));
    int typed = 0;
    for (int t = 0; t < TrayCheck::Trays; ++t) {
        checkTray(whole.tray(t));
        FUZZ_CHECK(whole.tray(t).tray() == t);
        FUZZ_CHECK(parts.tray(t).typedCount() == whole.tray(t).typedCount());
        FUZZ_CHECK(parts.tray(t).caps() == whole.tray(t).caps());
        typed += whole.tray(t).typedCount();
        // Only the last tray takes more than its share.
        if (t + 1 < TrayCheck::Trays)
            FUZZ_CHECK(whole.tray(t).typedCount() <= whole.tray(t).size());
    }
    FUZZ_CHECK(typed == whole.typedCount());
    FUZZ_CHECK(TrayCheck::check(0, text).typedCount() == typed);

    const QVector<int> arrangement = whole.arrangement();
    FUZZ_CHECK(arrangement.isEmpty() != whole.isComplete());
    if (!arrangement.isEmpty()) {
        FUZZ_CHECK(arrangement.size() == TrayCheck::MaxCap);
        QVector<bool> present(TrayCheck::MaxCap + 1, false);
        for (int position = 0; position < arrangement.size(); ++position) {
            const int cap = arrangement.at(position);
            FUZZ_CHECK(cap >= 1 && cap <= TrayCheck::MaxCap && !present.at(cap));
            present[cap] = true;
            const int tray = position < 22 ? 0 : 1 + (position - 22) / 21;
            FUZZ_CHECK(TrayCheck::trayOf(cap) == tray);
        }
        FUZZ_CHECK(parts.arrangement() == arrangement);
    }
    return 0;
}
