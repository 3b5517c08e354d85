#pragma once

#include "databaseentry.h"

#include <QCoreApplication>
#include <QStringList>

// `report`: the report page of each chosen test, drawn by the routine the
// window prints with, into one PDF file or one file per test.
class ReportCommand
{
    Q_DECLARE_TR_FUNCTIONS(ReportCommand)

public:
    static int run(const QStringList &arguments);

    // "12 Smith Joanna.pdf": the test id and the subject, with characters that
    // file systems refuse replaced.
    static QString splitFileName(const databaseEntry &test);
};
