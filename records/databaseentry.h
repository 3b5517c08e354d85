#pragma once

#include <QString>

// One test together with its subject, as it travels between the pages, the store
// and the exchange formats. Every field is text: numbers, dates and choices are
// kept exactly as they were stored or shown.
struct databaseEntry
{
    QString testID; // tests.id; empty while the test has not been stored
    QString first;
    QString middle;
    QString last;
    QString refNum;
    QString DOB;
    QString testDate;
    QString time;
    QString comments;
    QString gender;
    QString experience;
    QString illumination;
    QString industry;
    QString job;
    QString location;
    QString serialNum;
    QString scores; // cap-order text of the arrangement
    QString tes;    // Total Error Score; filled only by the load of all tests

    bool operator==(const databaseEntry &o) const
    {
        return testID == o.testID && first == o.first && middle == o.middle && last == o.last &&
               refNum == o.refNum && DOB == o.DOB && testDate == o.testDate && time == o.time &&
               comments == o.comments && gender == o.gender && experience == o.experience &&
               illumination == o.illumination && industry == o.industry && job == o.job &&
               location == o.location && serialNum == o.serialNum && scores == o.scores &&
               tes == o.tes;
    }
    bool operator!=(const databaseEntry &o) const { return !(*this == o); }
};

// Only QStrings: moved in memory as they are when a list of entries grows.
Q_DECLARE_TYPEINFO(databaseEntry, Q_MOVABLE_TYPE);
