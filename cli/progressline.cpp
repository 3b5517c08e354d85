#include "progressline.h"

#include "commandline.h"

#include <utility>

namespace {
constexpr int IntervalMs = 250;
}

ProgressLine::ProgressLine(QString verbText)
    : verb(std::move(verbText)), enabled(CommandLine::errIsTerminal())
{
    sinceShown.start();
}

ProgressLine::~ProgressLine()
{
    if (shown)
        CommandLine::err() << QLatin1String("\r\033[K") << Qt::flush;
}

void ProgressLine::show(int done, int total)
{
    if (!enabled || sinceShown.elapsed() < IntervalMs)
        return;
    sinceShown.restart();
    shown = true;
    QString text = verb + QLatin1Char(' ') + QString::number(done);
    if (total > 0)
        text += QLatin1String(" / ") + QString::number(total);
    CommandLine::err() << QLatin1String("\r\033[K") << text << Qt::flush;
}
