#include "vktreader.h"

#include <QCoreApplication>
#include <QMap>
#include <QRegularExpression>

namespace {

// The old program's tables. Code 0 is the word "Unspecified" (job function: empty)
// and industry 9 is spelt with a capital M, unlike the entry form's lists; stored
// records of that version rely on these exact words.
const char *const Genders[] = {QT_TRANSLATE_NOOP("MainWindow", "Unspecified"),
                               QT_TRANSLATE_NOOP("MainWindow", "Female"),
                               QT_TRANSLATE_NOOP("MainWindow", "Male")};

const char *const Locations[] = {QT_TRANSLATE_NOOP("MainWindow", "Unspecified"),
                                 QT_TRANSLATE_NOOP("MainWindow", "North America"),
                                 QT_TRANSLATE_NOOP("MainWindow", "South America"),
                                 QT_TRANSLATE_NOOP("MainWindow", "Central America"),
                                 QT_TRANSLATE_NOOP("MainWindow", "Europe"),
                                 QT_TRANSLATE_NOOP("MainWindow", "Asia"),
                                 QT_TRANSLATE_NOOP("MainWindow", "Africa"),
                                 QT_TRANSLATE_NOOP("MainWindow", "Australia")};

const char *const Industries[] = {
    QT_TRANSLATE_NOOP("MainWindow", "Unspecified"),
    QT_TRANSLATE_NOOP("MainWindow", "Academic"),
    QT_TRANSLATE_NOOP("MainWindow", "Food"),
    QT_TRANSLATE_NOOP("MainWindow", "Furniture"),
    QT_TRANSLATE_NOOP("MainWindow", "Gov't"),
    QT_TRANSLATE_NOOP("MainWindow", "Medical"),
    QT_TRANSLATE_NOOP("MainWindow", "Packaging"),
    QT_TRANSLATE_NOOP("MainWindow", "Paint"),
    QT_TRANSLATE_NOOP("MainWindow", "Paper"),
    QT_TRANSLATE_NOOP("MainWindow", "Pigment/Colorant Manufacturer"),
    QT_TRANSLATE_NOOP("MainWindow", "Plastic"),
    QT_TRANSLATE_NOOP("MainWindow", "Printer"),
    QT_TRANSLATE_NOOP("MainWindow", "Automotive"),
    QT_TRANSLATE_NOOP("MainWindow", "Sign Printer"),
    QT_TRANSLATE_NOOP("MainWindow", "Stains"),
    QT_TRANSLATE_NOOP("MainWindow", "Textile - Creative"),
    QT_TRANSLATE_NOOP("MainWindow", "Textile - Manufacturing"),
    QT_TRANSLATE_NOOP("MainWindow", "Other"),
    QT_TRANSLATE_NOOP("MainWindow", "Construction"),
    QT_TRANSLATE_NOOP("MainWindow", "Consumer Products"),
    QT_TRANSLATE_NOOP("MainWindow", "Cosmetic"),
    QT_TRANSLATE_NOOP("MainWindow", "Design - Architectural/Interior"),
    QT_TRANSLATE_NOOP("MainWindow", "Design - Graphic"),
    QT_TRANSLATE_NOOP("MainWindow", "Design - Industrial"),
    QT_TRANSLATE_NOOP("MainWindow", "Design - Product")};

const char *const Jobs[] = {"",
                            QT_TRANSLATE_NOOP("MainWindow", "Quality Control"),
                            QT_TRANSLATE_NOOP("MainWindow", "Color Formulation"),
                            QT_TRANSLATE_NOOP("MainWindow", "Color Specification"),
                            QT_TRANSLATE_NOOP("MainWindow", "Creative"),
                            QT_TRANSLATE_NOOP("MainWindow", "Other")};

const char *const Illuminations[] = {
    QT_TRANSLATE_NOOP("MainWindow", "Unspecified"), QT_TRANSLATE_NOOP("MainWindow", "D65"),
    QT_TRANSLATE_NOOP("MainWindow", "D50"),         QT_TRANSLATE_NOOP("MainWindow", "D75"),
    QT_TRANSLATE_NOOP("MainWindow", "CWF"),         QT_TRANSLATE_NOOP("MainWindow", "A"),
    QT_TRANSLATE_NOOP("MainWindow", "TL84"),        QT_TRANSLATE_NOOP("MainWindow", "U3000"),
    QT_TRANSLATE_NOOP("MainWindow", "Other")};

const char *const Experiences[] = {QT_TRANSLATE_NOOP("MainWindow", "Unspecified"),
                                   QT_TRANSLATE_NOOP("MainWindow", "0 - 2 years"),
                                   QT_TRANSLATE_NOOP("MainWindow", "3 - 5 years"),
                                   QT_TRANSLATE_NOOP("MainWindow", "6 - 10 years"),
                                   QT_TRANSLATE_NOOP("MainWindow", "11 - 20 years"),
                                   QT_TRANSLATE_NOOP("MainWindow", "20 + years")};

// Only the bare digits of a code count: "01" or " 1" match nothing.
template <int N> QString lookUp(const char *const (&table)[N], const QString &code)
{
    for (int i = 0; i < N; ++i) {
        if (code == QString::number(i))
            return *table[i] ? QCoreApplication::translate("MainWindow", table[i]) : QString();
    }
    return QString();
}

enum class Type
{
    String,
    Integer,
    Date
};

struct Key
{
    const char *name;
    Type type;
    QString databaseEntry::*field; // null: not a field of the record
    QString (*code)(const QString &);
};

const Key Keys[] = {
    {"FirstName", Type::String, &databaseEntry::first, nullptr},
    {"MiddleName", Type::String, &databaseEntry::middle, nullptr},
    {"LastName", Type::String, &databaseEntry::last, nullptr},
    {"Reference", Type::String, &databaseEntry::refNum, nullptr},
    {"TimeTaken", Type::String, &databaseEntry::time, nullptr},
    {"Comments", Type::String, &databaseEntry::comments, nullptr},
    {"SerialNumber", Type::String, &databaseEntry::serialNum, nullptr},
    {"CapOrder", Type::String, &databaseEntry::scores, nullptr},
    {"Gender", Type::Integer, &databaseEntry::gender, &VktReader::gender},
    {"Location", Type::Integer, &databaseEntry::location, &VktReader::location},
    {"Industry", Type::Integer, &databaseEntry::industry, &VktReader::industry},
    {"JobFunction", Type::Integer, &databaseEntry::job, &VktReader::job},
    {"Illumination", Type::Integer, &databaseEntry::illumination, &VktReader::illumination},
    {"Experience", Type::Integer, &databaseEntry::experience, &VktReader::experience},
    {"DOB", Type::Date, &databaseEntry::DOB, nullptr},
    {"TestDate", Type::Date, &databaseEntry::testDate, nullptr},
    {"PurchaseDate", Type::Date, nullptr, nullptr},
};

const Key *findKey(const QString &name)
{
    for (const Key &k : Keys) {
        if (name == QLatin1String(k.name))
            return &k;
    }
    return nullptr;
}

QString withoutTabs(QString line)
{
    return line.remove(QLatin1Char('\t'));
}

QString valueOf(QString line, Type type)
{
    switch (type) {
    case Type::String:
        return line.remove(QLatin1String("<string>")).remove(QLatin1String("</string>"));
    case Type::Integer:
        return line.remove(QLatin1String("<integer>")).remove(QLatin1String("</integer>"));
    case Type::Date:
        return line.remove(QLatin1String("<date>")).remove(QLatin1String("</date>"));
    }
    return line;
}

} // namespace

QString VktReader::gender(const QString &code)
{
    if (code == QLatin1String("0") || code == QLatin1String("1"))
        return lookUp(Genders, code);
    return QCoreApplication::translate("MainWindow", Genders[2]);
}

QString VktReader::location(const QString &code)
{
    return lookUp(Locations, code);
}
QString VktReader::industry(const QString &code)
{
    return lookUp(Industries, code);
}
QString VktReader::job(const QString &code)
{
    return lookUp(Jobs, code);
}
QString VktReader::illumination(const QString &code)
{
    return lookUp(Illuminations, code);
}
QString VktReader::experience(const QString &code)
{
    return lookUp(Experiences, code);
}

QStringList VktReader::splitLines(const QString &text)
{
    // A file with any CR is cut at CR (an LF right after it belongs to the line
    // end), so a line break inside a value of such a file stays in the value.
    if (text.contains(QLatin1Char('\r')))
        return text.split(QRegularExpression(QStringLiteral("\r\n?")));
    return text.split(QLatin1Char('\n'));
}

namespace {

// The file's lines one at a time, each decoded when it is reached, so a large file is
// never held as text in full, and decoded by length, so a zero byte ends nothing. The
// lines are those of splitLines().
class LineCursor
{
public:
    explicit LineCursor(const QByteArray &bytes)
        : m_bytes(bytes), m_end(bytes.contains('\r') ? '\r' : '\n')
    {
    }

    bool next(QString &line)
    {
        if (m_done)
            return false;
        int end = m_bytes.indexOf(m_end, m_pos);
        if (end < 0) {
            end = m_bytes.size();
            m_done = true;
        }
        line = QString::fromUtf8(m_bytes.constData() + m_pos, end - m_pos);
        m_pos = end + 1;
        if (m_end == '\r' && m_pos < m_bytes.size() && m_bytes.at(m_pos) == '\n')
            ++m_pos;
        return true;
    }

private:
    const QByteArray &m_bytes;
    const char m_end;
    int m_pos = 0;
    bool m_done = false;
};

// The dictionary being read and what it held so far.
struct Dictionary
{
    databaseEntry entry;
    bool open = false; // fields have a record to go to
    bool hasTestField = false;
    QString serial;
    QString date;
};

// A key line; its value is the next line (ahead), if there is one.
void readField(const QString &line, const QString *ahead, Dictionary &dict)
{
    QString name = line;
    name.remove(QLatin1String("<key>")).remove(QLatin1String("</key>"));
    const Key *key = findKey(name);
    // A key on the last line has no value line to read.
    if (!key || !ahead)
        return;
    // The value line is not skipped: it comes up next and matches nothing.
    const QString value = valueOf(withoutTabs(*ahead), key->type);
    if (key->field) {
        dict.entry.*(key->field) = key->code ? key->code(value) : value;
        if (key->field != &databaseEntry::serialNum)
            dict.hasTestField = true;
    }
    if (key->field == &databaseEntry::serialNum)
        dict.serial = value;
    else if (!key->field)
        dict.date = value;
}

// What a closed dictionary held: a test, a cap set with its date, or both.
void close(const Dictionary &dict, QList<databaseEntry> &tests, QMap<QString, QString> &capSets)
{
    if (!dict.serial.isEmpty() && !dict.date.isEmpty())
        capSets.insert(dict.serial, dict.date);
    // A dictionary of nothing but a cap set is no test.
    if (dict.hasTestField)
        tests.append(dict.entry);
}

} // namespace

VktReader::Content VktReader::read(const QByteArray &bytes)
{
    LineCursor lines(bytes);
    QString ahead;
    bool more = lines.next(ahead);
    for (int i = 0; more && i < HeaderLines; ++i)
        more = lines.next(ahead);

    Content content;
    QMap<QString, QString> capSets;
    Dictionary dict;
    QString line;
    while (more) {
        line = withoutTabs(ahead);
        more = lines.next(ahead);
        if (line == QLatin1String("<dict>")) {
            // A cap set named before an unclosed dictionary still counts.
            dict.entry = databaseEntry();
            dict.open = true;
            dict.hasTestField = false;
        } else if (line == QLatin1String("</dict>")) {
            if (dict.open)
                close(dict, content.tests, capSets);
            dict = Dictionary();
            // The line after a closing tag is not a field. A dictionary that opens
            // right there is still read, so no test is lost to the skip.
            if (more && withoutTabs(ahead) != QLatin1String("<dict>"))
                more = lines.next(ahead);
        } else if (dict.open) {
            readField(line, more ? &ahead : nullptr, dict);
        }
    }

    for (auto it = capSets.cbegin(); it != capSets.cend(); ++it)
        content.capSets.append({it.key(), it.value()});
    return content;
}
