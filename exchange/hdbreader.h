#pragma once

#include "databaseentry.h"

#include <QByteArray>
#include <QList>

// Reads the fixed-layout record file of the first database version. There is no
// header and no count: a record starts at any ASCII letter met while scanning,
// and the scan goes on 325 bytes further.
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

    // Every complete record of the file in file order. A record the file ends
    // inside is skipped: its arrangement would be cut short.
    static QList<databaseEntry> read(const QByteArray &bytes);

    // The record at offset r; r + RecordSize must not exceed the data.
    static databaseEntry readRecord(const QByteArray &bytes, int r);

    static bool startsRecord(char byte);
};
