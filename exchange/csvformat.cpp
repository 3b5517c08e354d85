#include "csvformat.h"

#include "caporder.h"

#include <algorithm>

namespace CsvFormat {

namespace {

const QChar Comma = QLatin1Char(',');
const QChar Quote = QLatin1Char('"');
const QChar Lf = QLatin1Char('\n');
const QChar Cr = QLatin1Char('\r');

bool isLineEnd(QChar c)
{
    return c == Lf || c == Cr;
}

bool needsQuotes(QStringView value)
{
    return std::any_of(value.begin(), value.end(),
                       [](QChar c) { return c == Comma || c == Quote || isLineEnd(c); });
}

// Position of the first line end at or after pos; text.size() when there is none.
int lineEndFrom(QStringView text, int pos)
{
    const int size = int(text.size());
    while (pos < size && !isLineEnd(text[pos]))
        ++pos;
    return pos;
}

// Position after the line end at pos (which holds CR or LF).
int skipLineEnd(QStringView text, int pos)
{
    if (text[pos] == Cr && pos + 1 < text.size() && text[pos + 1] == Lf)
        return pos + 2;
    return pos + 1;
}

// A plain field from pos up to the next comma or line end.
int readPlain(QStringView text, int pos, QString &out)
{
    const int start = pos;
    while (pos < text.size() && text[pos] != Comma && !isLineEnd(text[pos]))
        ++pos;
    out.append(text.mid(start, pos - start));
    return pos;
}

// A cap number as a line of the older form holds it: digits, with blanks and
// double quotes (a stored text may be wrapped in them) around them.
bool isCapNumber(QStringView piece)
{
    int i = 0;
    int end = int(piece.size());
    while (i < end && (piece[i].isSpace() || piece[i] == Quote))
        ++i;
    while (end > i && (piece[end - 1].isSpace() || piece[end - 1] == Quote))
        --end;
    if (i == end)
        return false;
    for (; i < end; ++i) {
        if (piece[i] < QLatin1Char('0') || piece[i] > QLatin1Char('9'))
            return false;
    }
    return true;
}

// How double quotes are read.
enum class Quotes
{
    Literal,     // as part of the text, the way earlier versions wrote every field
    WithinLine,  // a quoted field must close on the line it opens on
    AcrossLines, // a quoted field may hold line breaks, within the limits below
};

struct Reading
{
    Quotes quotes = Quotes::Literal;
    int recordStart = 0;
    bool firstLineHoldsTest = false;
};

template <typename Sink>
int parseLine(QStringView text, int pos, const Reading &reading, Sink sink);

// The line at pos read one way has the 85 cap numbers at positions 16 to 100.
bool capOrderInPlace(QStringView text, int pos, Quotes quotes)
{
    int count = 0;
    bool numbers = true;
    parseLine(text, pos, Reading{quotes, pos, false}, [&](int index, const QString &value) {
        count = index + 1;
        if (index >= CapOrderField && index < CapOrderField + CapOrder::Positions &&
            !isCapNumber(value))
            numbers = false;
    });
    return numbers && count >= CapOrderField + CapOrder::Positions;
}

// Whether the quoted field number index, which began or went on at lineStart
// (comma: it holds one already), may run over the line end that follows.
bool mayCrossLineEnd(QStringView text, int lineStart, const Reading &reading, int index, bool comma)
{
    if (reading.quotes != Quotes::AcrossLines)
        return false;
    // Every line of the older form is a whole test ending in its cap order:
    // a field never runs over such a line.
    if (index >= CapOrderField)
        return !comma;
    return !(lineStart == reading.recordStart ? reading.firstLineHoldsTest
                                              : lineHoldsTest(text, lineStart));
}

// A quoted field starting at the opening quote. Returns the position after the
// closing quote, or -1 when the field is to be read as plain text instead.
int readQuoted(QStringView text, int open, const Reading &reading, int index, QString &out)
{
    const int size = int(text.size());
    int lineStart = reading.recordStart;
    bool needed = false; // holds a character that made this version quote it
    bool comma = false;
    bool lineBreak = false;
    int from = open + 1;
    for (int i = from; i < size; ++i) {
        const QChar c = text[i];
        if (c == Quote) {
            out.append(text.mid(from, i - from));
            if (i + 1 < size && text[i + 1] == Quote) {
                out.append(Quote);
                needed = true;
                from = i + 2;
                ++i;
                continue;
            }
            const int next = i + 1;
            if (next < size && text[next] != Comma && !isLineEnd(text[next]))
                return -1;
            // Quotes round a text that needs none were written by an earlier
            // version as part of the field.
            return needed ? next : -1;
        }
        if (c == Comma) {
            // In the cap order this version quotes single pieces, never commas.
            if (lineBreak && index >= CapOrderField)
                return -1;
            comma = needed = true;
        } else if (isLineEnd(c)) {
            if (!mayCrossLineEnd(text, lineStart, reading, index, comma))
                return -1;
            needed = lineBreak = true;
            i = skipLineEnd(text, i) - 1;
            lineStart = i + 1;
        }
    }
    return -1;
}

// Hands every field of the line at pos to sink(index, value) and returns the
// position after the line end. value is one buffer reused for every field.
template <typename Sink> int parseLine(QStringView text, int pos, const Reading &reading, Sink sink)
{
    const int size = int(text.size());
    QString value;
    // A reserved buffer keeps its memory when emptied (clear() would free it).
    value.reserve(64);
    for (int index = 0;; ++index) {
        value.resize(0);
        int next = -1;
        if (reading.quotes != Quotes::Literal && pos < size && text[pos] == Quote) {
            next = readQuoted(text, pos, reading, index, value);
            if (next < 0)
                value.resize(0);
        }
        pos = next >= 0 ? next : readPlain(text, pos, value);
        sink(index, value);
        if (pos >= size)
            return size;
        if (text[pos] == Comma) {
            ++pos;
            continue;
        }
        return skipLineEnd(text, pos);
    }
}

// How the record at pos is read. A line of the older form is one test whatever
// quotes it holds; a quoted field runs over line ends only where this version
// wrote a line break into it.
Reading chooseReading(QStringView text, int pos)
{
    const int lineEnd = lineEndFrom(text, pos);
    if (!text.mid(pos, lineEnd - pos).contains(Quote))
        return Reading{Quotes::Literal, pos, false};
    const bool withinLine = capOrderInPlace(text, pos, Quotes::WithinLine);
    // Quotes that pair up across fields of an older line would shift its fields.
    const bool literal = !withinLine && capOrderInPlace(text, pos, Quotes::Literal);
    const Reading across{Quotes::AcrossLines, pos, withinLine || literal};
    const int afterLine = lineEnd < text.size() ? skipLineEnd(text, lineEnd) : lineEnd;
    if (parseLine(text, pos, across, [](int, const QString &) {}) > afterLine)
        return across;
    return Reading{literal ? Quotes::Literal : Quotes::WithinLine, pos, false};
}

const QString &at(const QStringList &fields, int i)
{
    static const QString empty;
    return i < fields.size() ? fields.at(i) : empty;
}

} // namespace

QString headerLine()
{
    return QStringLiteral("First,Middle,Last,Reference,DOB,Date,Time (mins),Comments,Gender,"
                          "Experience,Illumination,Industry,JobFunction,Location,Serial Number,"
                          "TES,Cap Order");
}

QString field(const QString &value)
{
    if (!needsQuotes(value))
        return value;
    QString quoted = value;
    quoted.replace(Quote, QStringLiteral("\"\""));
    return Quote + quoted + Quote;
}

QString recordLine(const databaseEntry &e, const QString &tes)
{
    const QString *const fields[] = {&e.first,  &e.middle,     &e.last,         &e.refNum,
                                     &e.DOB,    &e.testDate,   &e.time,         &e.comments,
                                     &e.gender, &e.experience, &e.illumination, &e.industry,
                                     &e.job,    &e.location,   &e.serialNum,    &tes};
    QString line;
    line.reserve(e.scores.size() + 200);
    for (const QString *f : fields) {
        line += field(*f);
        line += Comma;
    }
    // The cap-order text is itself comma separated: its pieces are fields of the line,
    // taken as they are unless one of them needs quotes of its own.
    if (std::none_of(e.scores.begin(), e.scores.end(),
                     [](QChar c) { return c == Quote || isLineEnd(c); })) {
        line += e.scores;
    } else {
        const QStringList pieces = e.scores.split(Comma);
        for (int i = 0; i < pieces.size(); ++i) {
            if (i > 0)
                line += Comma;
            line += field(pieces.at(i));
        }
    }
    return line;
}

bool lineHoldsTest(QStringView text, int pos)
{
    return capOrderInPlace(text, pos, Quotes::WithinLine) ||
           capOrderInPlace(text, pos, Quotes::Literal);
}

int readLine(QStringView text, int pos, QStringList &fields)
{
    fields.clear();
    return parseLine(text, pos, chooseReading(text, pos),
                     [&](int, const QString &value) { fields.append(value); });
}

int readRecord(QStringView text, int pos, databaseEntry &e, int &fieldCount)
{
    e = databaseEntry();
    QString *const targets[] = {&e.first,  &e.middle,     &e.last,         &e.refNum,
                                &e.DOB,    &e.testDate,   &e.time,         &e.comments,
                                &e.gender, &e.experience, &e.illumination, &e.industry,
                                &e.job,    &e.location,   &e.serialNum};
    fieldCount = 0;
    pos = parseLine(text, pos, chooseReading(text, pos), [&](int index, const QString &value) {
        fieldCount = index + 1;
        if (index < CapOrderField - 1)
            *targets[index] = value;
        else if (index >= CapOrderField) {
            // Two plain appends: a concatenation appended with += reserves the exact
            // length each time, which made a line of many fields quadratic.
            e.scores += value;
            e.scores += Comma;
        }
    });
    e.scores += Comma;
    return pos;
}

QStringList splitLine(const QString &line)
{
    QStringList fields;
    readLine(line, 0, fields);
    return fields;
}

databaseEntry recordFromFields(const QStringList &f)
{
    databaseEntry e;
    e.first = at(f, 0);
    e.middle = at(f, 1);
    e.last = at(f, 2);
    e.refNum = at(f, 3);
    e.DOB = at(f, 4);
    e.testDate = at(f, 5);
    e.time = at(f, 6);
    e.comments = at(f, 7);
    e.gender = at(f, 8);
    e.experience = at(f, 9);
    e.illumination = at(f, 10);
    e.industry = at(f, 11);
    e.job = at(f, 12);
    e.location = at(f, 13);
    e.serialNum = at(f, 14);
    QString scores;
    for (int i = CapOrderField; i < f.size(); ++i) {
        scores += f.at(i);
        scores += Comma;
    }
    scores += Comma;
    e.scores = scores;
    return e;
}

int lineEnds(const QString &text, int from, int to)
{
    int count = 0;
    for (int i = from; i < to; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n') ||
            (c == QLatin1Char('\r') && (i + 1 >= to || text.at(i + 1) != QLatin1Char('\n'))))
            ++count;
    }
    return count;
}

} // namespace CsvFormat
