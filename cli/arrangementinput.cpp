#include "arrangementinput.h"

#include "commandline.h"
#include "csvfile.h"
#include "csvformat.h"
#include "testchooser.h"

#include <QCommandLineParser>
#include <QFile>
#include <algorithm>

namespace {

// Where the first line ends: at LF, CR LF or a lone CR; returns the start of the next line.
int nextLine(const QString &text, int pos, int *end)
{
    const int size = text.size();
    int i = pos;
    while (i < size && text.at(i) != QLatin1Char('\n') && text.at(i) != QLatin1Char('\r'))
        ++i;
    *end = i;
    if (i < size && text.at(i) == QLatin1Char('\r'))
        ++i;
    if (i < size && text.at(i) == QLatin1Char('\n') &&
        (i == *end || text.at(i - 1) == QLatin1Char('\r')))
        ++i;
    return i;
}

bool isBlank(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

} // namespace

QString ArrangementInput::Item::location() const
{
    if (kind == Stored)
        return tr("%1: test %2").arg(source, entry.testID);
    return source + QLatin1Char(':') + QString::number(line);
}

bool ArrangementInput::isCsv(const QString &text)
{
    int end = 0;
    nextLine(text, 0, &end);
    QStringView header = QStringView(text).left(end);
    if (header.startsWith(QChar(0xFEFF)))
        header = header.mid(1);
    return header.trimmed() == CsvFormat::headerLine();
}

bool ArrangementInput::read(const QString &name, const std::function<void(const Item &)> &f,
                            QString *error)
{
    QFile file(name);
    const bool opened = name == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                   : file.open(QIODevice::ReadOnly);
    if (!opened) {
        *error = tr("%1: cannot be read: %2").arg(name, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = tr("%1: cannot be read: %2").arg(name, file.errorString());
        return false;
    }
    readText(name, CsvFile::decode(bytes), f);
    return true;
}

void ArrangementInput::readText(const QString &source, const QString &text,
                                const std::function<void(const Item &)> &f)
{
    Item item;
    item.source = source;
    int pos = 0;
    int line = 1;
    if (isCsv(text)) {
        item.kind = Csv;
        int end = 0;
        pos = nextLine(text, 0, &end);
        line = 2;
        while (pos < text.size()) {
            int fields = 0;
            const int next = CsvFormat::readRecord(text, pos, item.entry, fields);
            item.line = line;
            item.problem.clear();
            line += CsvFormat::lineEnds(text, pos, next);
            const bool blank = isBlank(QStringView(text).mid(pos, next - pos));
            pos = next;
            if (blank)
                continue;
            if (fields < CsvFormat::MinimumFields)
                item.problem = tr("%n field(s); a test needs at least %1", nullptr, fields)
                                   .arg(CsvFormat::MinimumFields);
            f(item);
        }
        return;
    }
    item.kind = Text;
    while (pos < text.size()) {
        int end = 0;
        const int next = nextLine(text, pos, &end);
        const QStringView content = QStringView(text).mid(pos, end - pos);
        if (!isBlank(content)) {
            item.line = line;
            item.entry.scores = content.toString();
            f(item);
        }
        ++line;
        pos = next;
    }
}

void ArrangementInput::addFileArgument(QCommandLineParser &parser)
{
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        tr("Files of cap-order texts, one a line, or CSV files this program exported; "
           "\"-\" or none reads standard input."),
        QStringLiteral("[FILE...|-]"));
}

int ArrangementInput::readInputs(const QCommandLineParser &parser, TestChooser &chooser,
                                 const std::function<void(const Item &)> &f)
{
    QStringList files = parser.positionalArguments();
    if (parser.isSet(chooser.dbOption)) {
        if (!files.isEmpty()) {
            CommandLine::error(tr("give either --db or files, not both"));
            return CommandLine::UsageOrFileError;
        }
        QList<databaseEntry> tests;
        const int status = chooser.openAndChoose(parser, &tests);
        Item item;
        item.kind = Stored;
        item.source = parser.value(chooser.dbOption);
        for (const databaseEntry &e : qAsConst(tests)) {
            item.entry = e;
            f(item);
        }
        return status;
    }
    QString error;
    if (!chooser.readOptions(parser, &error) || chooser.narrowed()) {
        CommandLine::error(error.isEmpty() ? tr("--ids and --search need --db") : error);
        return CommandLine::UsageOrFileError;
    }
    if (files.isEmpty())
        files.append(QStringLiteral("-"));
    int status = CommandLine::Ok;
    for (const QString &file : qAsConst(files)) {
        int found = 0;
        const bool read = ArrangementInput::read(
            file,
            [&](const Item &item) {
                ++found;
                f(item);
            },
            &error);
        if (!read) {
            CommandLine::error(error);
            status = CommandLine::UsageOrFileError;
        } else if (found == 0) {
            CommandLine::error(tr("%1: holds no arrangement").arg(file));
            status = CommandLine::worse(status, CommandLine::InputProblems);
        }
    }
    return status;
}
