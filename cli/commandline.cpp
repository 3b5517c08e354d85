#include "commandline.h"

#include <QCommandLineParser>
#include <cstdio>
#include <unistd.h>

QTextStream &CommandLine::out()
{
    static QTextStream stream(stdout);
    static const bool ready = [] {
        stream.setCodec("UTF-8");
        return true;
    }();
    Q_UNUSED(ready)
    return stream;
}

QTextStream &CommandLine::err()
{
    static QTextStream stream(stderr);
    static const bool ready = [] {
        stream.setCodec("UTF-8");
        return true;
    }();
    Q_UNUSED(ready)
    return stream;
}

void CommandLine::error(const QString &message)
{
    // Results already written come first, so messages and rows read in order.
    out().flush();
    err() << QCoreApplication::applicationName() << QLatin1String(": ") << message << Qt::endl;
}

bool CommandLine::parse(QCommandLineParser &parser, const QStringList &arguments,
                        const QString &description, int *status)
{
    parser.setApplicationDescription(description);
    const QCommandLineOption help = parser.addHelpOption();
    if (!parser.parse(arguments)) {
        error(
            parser.errorText() + QLatin1Char('\n') +
            tr("Try '%1 %2 --help'.").arg(QCoreApplication::applicationName(), arguments.value(0)));
        *status = UsageOrFileError;
        return false;
    }
    if (parser.isSet(help)) {
        // The usage line names the command as well as the program.
        QString text = parser.helpText();
        const int options = text.indexOf(QLatin1String(" [options]"));
        if (options > 0)
            text.insert(options, QLatin1Char(' ') + arguments.value(0));
        out() << text;
        out().flush();
        *status = Ok;
        return false;
    }
    return true;
}

bool CommandLine::errIsTerminal()
{
    return isatty(fileno(stderr)) != 0;
}
