#pragma once

#include "databaseentry.h"
#include "settingsrecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Reads the property-list text of the second database version: after 17 header
// lines, one dictionary per test, each field a key line followed by a value line.
// Integer codes become texts of the code tables, translated in the main window's
// context so the words stored are those of the interface language.
class VktReader
{
public:
    static constexpr int HeaderLines = 17;

    struct Content
    {
        // Every dictionary that carries test fields, in file order.
        QList<databaseEntry> tests;
        // Every serial number that came with a purchase date, in ascending text
        // order; a later date for the same serial number replaces the earlier.
        QList<CapSet> capSets;
    };

    static Content read(const QByteArray &bytes);

    // Lines as the old program wrote them (CR), or with LF or CR LF ends.
    static QStringList splitLines(const QString &text);

    // The text a code stands for; empty for a code outside the table (Gender
    // excepted: everything that is not 0 or 1 reads "Male"). The code must be
    // the bare decimal digits.
    static QString gender(const QString &code);
    static QString location(const QString &code);
    static QString industry(const QString &code);
    static QString job(const QString &code);
    static QString illumination(const QString &code);
    static QString experience(const QString &code);
};
