#pragma once

#include "arrangementinput.h"

#include <QCoreApplication>
#include <QStringList>

// `score`: one row of results per arrangement, as CSV or as one JSON object a line.
class ScoreCommand
{
    Q_DECLARE_TR_FUNCTIONS(ScoreCommand)

public:
    static int run(const QStringList &arguments);

    // Column names of the CSV output, which are also the JSON keys.
    static QStringList columns();
};
