#include "csvformat.h"

namespace CsvFormat {

namespace {

const QChar Comma = QLatin1Char(',');
const QChar Quote = QLatin1Char('"');
const QChar Lf = QLatin1Char('\n');
const QChar Cr = QLatin1Char('\r');

bool needsQuotes(QStringView value)
{
    for (const QChar c : value) {
        if (c == Comma || c == Quote || c == Lf || c == Cr)
            return true;
    }
    return false;
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
    while (pos < text.size() && text[pos] != Comma && text[pos] != Lf && text[pos] != Cr)
        ++pos;
    out.append(text.mid(start, pos - start));
    return pos;
}

// A quoted field starting at the opening quote; -1 when the quote is never closed.
int readQuoted(QStringView text, int pos, QString &out)
{
    ++pos;
    for (;;) {
        const int close = int(text.indexOf(Quote, pos));
        if (close < 0)
            return -1;
        out.append(text.mid(pos, close - pos));
        if (close + 1 < text.size() && text[close + 1] == Quote) {
            out.append(Quote);
            pos = close + 2;
            continue;
        }
        return close + 1;
    }
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
    // The cap-order text is itself comma separated: its pieces are fields of the line.
    if (!needsQuotes(e.scores)) {
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

namespace {

// Hands every field of the line at pos to sink(index, value) and returns the
// position after the line end. value is one buffer reused for every field.
template <typename Sink> int parseLine(QStringView text, int pos, Sink sink)
{
    const int size = int(text.size());
    QString value;
    for (int index = 0;; ++index) {
        value.clear();
        if (pos < size && text[pos] == Quote) {
            const int next = readQuoted(text, pos, value);
            const bool closedProperly = next >= 0 && (next == size || text[next] == Comma ||
                                                      text[next] == Lf || text[next] == Cr);
            if (closedProperly) {
                pos = next;
            } else {
                // Not a quoted field after all (files of earlier versions wrote quotes
                // unchanged): read it plain, so it cannot swallow the lines after it.
                value.clear();
                pos = readPlain(text, pos, value);
            }
        } else {
            pos = readPlain(text, pos, value);
        }
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

} // namespace

int readLine(QStringView text, int pos, QStringList &fields)
{
    fields.clear();
    return parseLine(text, pos, [&](int, const QString &value) { fields.append(value); });
}

int readRecord(QStringView text, int pos, databaseEntry &e, int &fieldCount)
{
    e = databaseEntry();
    QString *const targets[] = {&e.first,  &e.middle,     &e.last,         &e.refNum,
                                &e.DOB,    &e.testDate,   &e.time,         &e.comments,
                                &e.gender, &e.experience, &e.illumination, &e.industry,
                                &e.job,    &e.location,   &e.serialNum};
    fieldCount = 0;
    pos = parseLine(text, pos, [&](int index, const QString &value) {
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

} // namespace CsvFormat
