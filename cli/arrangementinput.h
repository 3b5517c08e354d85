#pragma once

#include "databaseentry.h"

#include <QCoreApplication>
#include <QString>
#include <functional>

class QCommandLineParser;
class TestChooser;

// The arrangements of one input of `score` or `check`: a text file of cap-order
// texts, one per line in any separators, or a CSV file this program exports
// (known by its header line), or standard input for "-".
class ArrangementInput
{
    Q_DECLARE_TR_FUNCTIONS(ArrangementInput)

public:
    enum Kind
    {
        Text,  // a loose cap-order text; read by the typed-entry checker
        Csv,   // a line of an exported file; read as the store reads cap orders
        Stored // a test of a database file
    };

    struct Item
    {
        Kind kind = Text;
        QString source; // the file name, "-" for standard input
        int line = 0;   // first line of the arrangement in its file; 0 for a stored test
        // The record the input holds: for a text line only `scores` is filled.
        databaseEntry entry;
        // Why a line could not be read as a test at all (a CSV line too short).
        QString problem;

        // "file:line" or "file: test 12", for messages and for `check`.
        QString location() const;
    };

    // Calls f for every arrangement of the file, in order; blank lines are no
    // arrangements. False, with *error set, when the file cannot be read.
    static bool read(const QString &name, const std::function<void(const Item &)> &f,
                     QString *error);
    // The same for text already in memory.
    static void readText(const QString &source, const QString &text,
                         const std::function<void(const Item &)> &f);

    // Every arrangement a command was given: the tests --db FILE chooses, or
    // the files named (standard input when none). Problems are reported on
    // standard error; returns the exit status they call for.
    static int readInputs(const QCommandLineParser &parser, TestChooser &chooser,
                          const std::function<void(const Item &)> &f);
    // The positional argument both commands describe the same way.
    static void addFileArgument(QCommandLineParser &parser);

    // Whether the text starts with the header line of an exported CSV file.
    static bool isCsv(const QString &text);
};
