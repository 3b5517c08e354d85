#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// CSV files on disk: writing the exported lines and importing a file into the store.
class CsvFile
{
public:
    struct WriteResult
    {
        bool ok = false;
        QString fileName; // the name actually written
        QString error;    // empty when ok, and when nothing was asked for
    };

    struct ImportResult
    {
        bool ok = false;  // the file was read and all its tests committed
        int imported = 0; // lines stored as a new subject and test
        int skipped = 0;  // lines that cannot be read as a test (blank lines aside)
        QString error;
    };

    // The name an export writes to: ".txt" is appended unless the name already
    // ends in ".txt" or ".csv". An empty (cancelled) name stays empty.
    static QString exportFileName(const QString &chosen);

    // Writes each line followed by LF, UTF-8, to exportFileName(chosen). An empty
    // name writes nothing and reports no error. The previous content of the file
    // is replaced only once the whole text has been written.
    static WriteResult writeLines(const QString &chosen, const QStringList &lines);

    // The same for `count` lines made one at a time by lineAt(0 .. count-1), so a
    // large export never holds all its lines in memory at once.
    static WriteResult writeLines(const QString &chosen, int count,
                                  const std::function<QString(int)> &lineAt);

    // Adds one subject and one test to the open store for every test after the
    // header line, all in one transaction that holds the write lock from the start.
    // A line with fewer than 15 fields is counted and left out (blank lines
    // silently), named in `error` while `ok` stays true. A line the store refuses
    // ends the import with nothing stored and `ok` false.
    static ImportResult importFile(const QString &fileName);

    // The same for text already in memory (the first line is the header).
    static ImportResult importText(const QString &text);

    // UTF-16 when the bytes start with its byte-order mark or have the zero bytes of
    // UTF-16 Latin text; otherwise UTF-8, or Windows-1252 on every system for bytes that
    // are not valid UTF-8 (what earlier versions wrote on Windows).
    static QString decode(const QByteArray &bytes);
};
