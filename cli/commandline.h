#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTextStream>

class QCommandLineParser;

// What every command of the command-line tool shares: its exit statuses, the
// streams it writes to, and the parsing of its own options with its own help.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    // Exit statuses: all went well; some input had problems (each reported with
    // its file and line); the command line was wrong or a file could not be used.
    enum Status
    {
        Ok = 0,
        InputProblems = 1,
        UsageOrFileError = 2
    };

    static QTextStream &out();
    static QTextStream &err();
    // One message on standard error, after the program's name.
    static void error(const QString &message);
    // The worse of two statuses.
    static int worse(int a, int b) { return a > b ? a : b; }

    // Parses a command's arguments (the command's name first). Handles --help:
    // returns false with *status set when the command is done or the line is wrong.
    static bool parse(QCommandLineParser &parser, const QStringList &arguments,
                      const QString &description, int *status);

    // Whether standard error is a terminal, so progress may be shown there.
    static bool errIsTerminal();
};
