#pragma once

#include <QCoreApplication>
#include <QStringList>

// `export`: the CSV lines of the chosen tests, written as the window's export
// writes them.
class ExportCommand
{
    Q_DECLARE_TR_FUNCTIONS(ExportCommand)

public:
    static int run(const QStringList &arguments);
};
