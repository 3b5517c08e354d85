#pragma once

#include "databaseentry.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// The comma-separated text of exported tests, one line per test:
// 16 fields (first ... serial number, TES), each followed by a comma, then the
// cap-order text, whose own numbers take the positions from 16 on.
//
// Writing: a field is quoted only when it holds a comma, a double quote or a
// line break (inner quotes doubled), so such a field can no longer shift or
// split the line; every other field is written exactly as stored.
// Reading: files of earlier versions never quote, and each of their lines is one
// test ending in its cap order. So a line that, read on its own, holds a test
// with its 85 cap numbers at positions 16 to 100 is always one test, whatever
// quotes its fields hold. Only a quoted field (one that needs its quotes) may run
// over line ends, and never over such a line; in the cap order, where single
// pieces are quoted, it holds no comma. A line ends at LF, CR LF or a lone CR.
namespace CsvFormat {

// Fields a line needs before it is taken as a test.
constexpr int MinimumFields = 15;
// Position of the first cap-order number.
constexpr int CapOrderField = 16;

QString headerLine();

// One field as it goes into a line: quoted only when it has to be.
QString field(const QString &value);

// The line of one test (no line end). tes is the text shown in the table;
// the cap order comes from entry.scores.
QString recordLine(const databaseEntry &entry, const QString &tes);

// The line at pos, read on its own with its quotes honoured or as plain text,
// holds the 85 cap numbers at positions 16 to 100, as every line of the older
// form does.
bool lineHoldsTest(QStringView text, int pos);

// Reads the fields of the record that starts at pos and returns the position
// after its line end (text.size() at the end). A line of nothing gives one
// empty field. A field that opens with a quote but is not closed by a quote
// followed by a comma or the line end, or whose quotes enclose nothing that
// needs them, is read as plain text, so a stray quote cannot swallow the lines
// after it.
int readLine(QStringView text, int pos, QStringList &fields);

// The same line read straight into the record recordFromFields() would give;
// fieldCount tells how many fields the line had.
int readRecord(QStringView text, int pos, databaseEntry &entry, int &fieldCount);

// All fields of a single line of text.
QStringList splitLine(const QString &line);

// The record a line of fields describes; testID and tes stay empty (the TES is
// always computed from the cap order). The cap-order text is every field from
// position 16 on, each followed by a comma, then one more comma. Fields missing
// from a short line read as empty.
databaseEntry recordFromFields(const QStringList &fields);

// Line ends between from and to (LF, CR LF or a lone CR; CR LF counts once), so a
// reader can name the line a record starts on.
int lineEnds(const QString &text, int from, int to);

} // namespace CsvFormat
