#pragma once

#include <QElapsedTimer>
#include <QString>

// "scored 1200 of 100000" on standard error, rewritten in place a few times a
// second, for long runs; silent when standard error is not a terminal, so
// scripts and logs get nothing but the messages.
class ProgressLine
{
public:
    explicit ProgressLine(QString verb);
    ~ProgressLine();
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    // total 0: not known in advance.
    void show(int done, int total = 0);

private:
    QString verb;
    QElapsedTimer sinceShown;
    bool enabled;
    bool shown = false;
};
