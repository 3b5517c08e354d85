#pragma once

#include "databaseentry.h"

#include <QByteArray>
#include <QList>

// Reads the fixed-layout record file of the first database version. There is no
// header and no count: a record starts at an ASCII letter met while scanning, and
// the scan goes on 325 bytes further.
//
// Layout from a record's first byte: last, first, middle name and reference
// number (20 bytes each), date of birth and test date (10 each), minutes taken
// (signed byte), one unused byte, comments (50), four unused bytes, then 84 slots
// of two bytes whose first byte is the signed cap number at positions 1 to 84.
class HdbReader
{
public:
    static constexpr int RecordStride = 325;
    // Bytes a record needs to be read at all: every field up to the last cap slot.
    static constexpr int RecordSize = 324;

    static constexpr int LastOffset = 0;
    static constexpr int FirstOffset = 20;
    static constexpr int MiddleOffset = 40;
    static constexpr int RefNumOffset = 60;
    static constexpr int NameWidth = 20;
    static constexpr int DobOffset = 80;
    static constexpr int TestDateOffset = 90;
    static constexpr int DateWidth = 10;
    static constexpr int TimeOffset = 100;
    static constexpr int CommentsOffset = 102;
    static constexpr int CommentsWidth = 50;
    static constexpr int CapsOffset = 156;
    static constexpr int CapSlots = 84;

    // Every record of the file in file order. A letter starts a record only when the
    // bytes from there are one (isRecord); otherwise the scan goes on at the next byte,
    // so a damaged record or stray bytes cost no later record. skipped, if given, counts
    // the places passed over that way (one per record length) and a record the file ends
    // inside.
    static QList<databaseEntry> read(const QByteArray &bytes, int *skipped = nullptr);

    // Whether the bytes at offset r are a record: the 84 slots hold the caps 1 to 84
    // once each, and every text field up to its first zero byte is UTF-8 without
    // control characters other than tab and line breaks (after a zero byte lies filler,
    // whatever it holds). r + RecordSize must not exceed the data.
    static bool isRecord(const QByteArray &bytes, int r);

    // The record at offset r; r + RecordSize must not exceed the data.
    static databaseEntry readRecord(const QByteArray &bytes, int r);

    static bool startsRecord(char byte);
};
