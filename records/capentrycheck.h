#pragma once

#include "traycheck.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

#include <array>

// A whole arrangement typed or pasted by the examiner, checked tray by tray.
// A single text is split into the trays by position, like a stored cap-order
// text: its first 22 entries are tray 1, the next 21 tray 2, then tray 3, and
// whatever follows tray 4. Separators are those of TrayCheck, so a stored text
// ("85, 1, 2, ") and one CSV line's cap-order part read alike.
class CapEntryCheck
{
public:
    CapEntryCheck();
    static CapEntryCheck check(QStringView text);
    static CapEntryCheck check(const QString &text) { return check(QStringView(text)); }
    // One text per tray; trays without a text read as empty.
    static CapEntryCheck check(const QStringList &trayTexts);

    // The four parts of a whole text that fall to each tray, without the
    // separators around them.
    static QStringList splitTrays(QStringView text);

    const TrayCheck &tray(int t) const;
    bool isComplete() const;
    int typedCount() const;
    // The 85 caps in tray order when every tray is complete; empty otherwise.
    QVector<int> arrangement() const;

private:
    std::array<TrayCheck, TrayCheck::Trays> trays;
};
