#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

#include <array>

// What the examiner typed for one tray, read and checked: the cap numbers in
// order, and every way in which they fail to be the tray's own caps, each once.
//
// Entries are separated by blanks, tabs, line breaks, commas, semicolons (the
// full-width comma and semicolon and the ideographic comma of East Asian input
// too) or double quotes, which wrap exported texts; runs of separators count as
// one. An entry of decimal digits (full-width ones included) is a number; any
// other entry is no cap. Tray 0 holds 85 and 1-21, tray 1 22-42, tray 2 43-63,
// tray 3 64-84.
//
// A plain value: no allocation unless the text holds entries that are no caps,
// so the form can check every keystroke of a whole arrangement.
class TrayCheck
{
    Q_DECLARE_TR_FUNCTIONS(TrayCheck)

public:
    static constexpr int Trays = 4;
    static constexpr int MaxCap = 85;
    // Entries that are no cap are named by their text, up to this many.
    static constexpr int MaxNamed = 8;

    TrayCheck() = default;
    // tray: 0..3 (other values are taken as the nearest tray).
    static TrayCheck check(int tray, QStringView text);
    static TrayCheck check(int tray, const QString &text) { return check(tray, QStringView(text)); }

    // The tray a cap belongs to (0..3), or -1 for a number that is no cap.
    static int trayOf(int cap);
    // The caps of a tray as a new test lays them out: 85, 1, ..., 21 for tray 0.
    static QVector<int> capsOf(int tray);
    static int sizeOf(int tray);

    // Whether the character separates entries.
    static bool isSeparator(QChar c)
    {
        // Tab to carriage return, blank, double quote, comma, semicolon.
        constexpr quint64 AsciiSeparators =
            0x3E00ULL | 1ULL << ' ' | 1ULL << '"' | 1ULL << ',' | 1ULL << ';';
        const char16_t u = c.unicode();
        if (u < 64)
            return ((AsciiSeparators >> u) & 1U) != 0U;
        return u >= 0x80 && isWideSeparator(c);
    }
    // Calls f(begin, end) for every entry of the text, in order.
    template <typename F> static void forEachEntry(QStringView text, F &&f)
    {
        const QChar *p = text.data();
        const QChar *const end = p + text.size();
        while (p < end) {
            while (p < end && isSeparator(*p))
                ++p;
            const QChar *const start = p;
            while (p < end && !isSeparator(*p))
                ++p;
            if (p > start)
                f(start, p);
        }
    }

    int tray() const { return trayIndex; }
    int size() const { return sizeOf(trayIndex); }
    // Every entry typed, cap or not: the examiner's place along the tray.
    int typedCount() const { return typed; }
    // Exactly the tray's caps, each once, and nothing else.
    bool isComplete() const { return complete; }

    // The cap numbers (1..85) in the order typed, wherever they belong; at most
    // 85 are kept. A complete tray's caps are its new order.
    QVector<int> caps() const;
    // Caps of this tray not typed, ascending.
    QVector<int> missing() const;
    // Caps typed more than once, ascending, and how often each was typed.
    QVector<int> repeated() const;
    int timesTyped(int cap) const;
    // Caps of other trays typed here, ascending.
    QVector<int> otherTray() const;
    // Entries that are no cap (0, above 85, not a number): how many, and the
    // first MaxNamed as typed (a long one shortened).
    int notCapCount() const { return notCapTotal; }
    QStringList notCaps() const { return notCapTexts; }

    // The problems in words, e.g. "missing 17, 18 · 24 belongs to tray 2 · 9 typed
    // twice"; empty when the tray is complete.
    QString problemText() const;

    // Numbers joined by ", ", runs of three or more written as "6–21".
    static QString listText(const QVector<int> &caps);

private:
    friend class CapEntryCheck;
    explicit TrayCheck(int tray);
    // Reads every entry of the text into the tray that next() returns for it.
    // Plain ASCII numbers, nearly every entry, are read in the same pass.
    template <typename NextTray> static void scan(QStringView text, NextTray &&next)
    {
        const QChar *p = text.data();
        const QChar *const end = p + text.size();
        for (;;) {
            while (p < end && isSeparator(*p))
                ++p;
            if (p == end)
                return;
            const QChar *const start = p;
            unsigned value = 0;
            bool plain = true;
            do {
                const unsigned digit = p->unicode() - 0x30U;
                if (digit <= 9U) {
                    // Past 999 the number is no cap; leading zeros stay harmless.
                    if (value < 1000U)
                        value = value * 10U + digit;
                } else if (isSeparator(*p)) {
                    break;
                } else {
                    plain = false;
                }
                ++p;
            } while (p < end);
            TrayCheck &tray = next();
            if (plain)
                tray.addNumber(static_cast<int>(value), start, p);
            else
                tray.addOtherEntry(start, p);
        }
    }
    void addNumber(int value, const QChar *begin, const QChar *end)
    {
        ++typed;
        if (value < 1 || value > MaxCap) {
            addNotCap(begin, end);
            return;
        }
        quint8 &count = seen[static_cast<size_t>(value)];
        if (count < 255)
            ++count;
        if (kept < MaxCap)
            order[static_cast<size_t>(kept++)] = static_cast<quint8>(value);
    }
    void addOtherEntry(const QChar *begin, const QChar *end);
    void addNotCap(const QChar *begin, const QChar *end);
    static bool isWideSeparator(QChar c);
    void finish();

    int trayIndex = 0;
    bool complete = false;
    int typed = 0;
    int kept = 0;
    int notCapTotal = 0;
    // How often each cap (index 1..85) was typed, saturating at 255.
    std::array<quint8, MaxCap + 1> seen{};
    std::array<quint8, MaxCap> order{};
    QStringList notCapTexts;
};
