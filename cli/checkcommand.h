#pragma once

#include "capentrycheck.h"

#include <QCoreApplication>
#include <QStringList>

// `check`: for every arrangement, the problems the typed-entry checker finds in
// each tray (caps missing, typed twice, in another tray's place, entries that are
// no cap), or "ok".
class CheckCommand
{
    Q_DECLARE_TR_FUNCTIONS(CheckCommand)

public:
    static int run(const QStringList &arguments);

    // "ok", or the problems of each incomplete tray, e.g.
    // "tray 2: missing 24 · 25 typed twice; tray 4: ...".
    static QString verdict(const CapEntryCheck &check);
};
