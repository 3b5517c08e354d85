#pragma once

#include <QCoreApplication>
#include <QStringList>

// `import`: CSV, HDB and VKT files into a database file (made with its tables
// when missing), through the window's importers, one transaction per file.
class ImportCommand
{
    Q_DECLARE_TR_FUNCTIONS(ImportCommand)

public:
    enum Format
    {
        Unknown,
        Csv,
        Hdb,
        Vkt
    };

    static int run(const QStringList &arguments);

    // By content where it tells (the CSV header line, a property list), else by
    // the file's extension.
    static Format formatOf(const QString &path, const QByteArray &start);
};
