#pragma once

#include <QList>
#include <QString>

// In-memory form of the one row of the settings table. The defaults are those of
// the row a fresh file gets: Standard scoring, every switch off, every index 0.
struct SettingsRecord
{
    bool scoreMode = false; // false Standard, true Kinnear
    bool testGui = false;
    bool testReport = false;
    bool tesGui = false;
    bool tesReport = false;
    bool sqrtTesGui = false;
    bool sqrtTesReport = false;
    bool vingrysGui = false;
    bool vingrysReport = false;
    bool classGui = false;
    bool classReport = false;
    bool percentFirstGui = false;
    bool percentFirstReport = false;
    bool percentSomeGui = false;
    bool percentSomeReport = false;
    bool percentExpGui = false;
    bool percentExpReport = false;
    int language = 0;
    int illumination = 0;
    int location = 0;
    int industry = 0;
    int job = 0;
    int experience = 0;
    int serialNum = 0;
    QString footerImgPath;
    QString footerText;

    // The 16 display switches in the analysis page's order: the eight report
    // switches, then the eight screen switches.
    QList<bool> analysisSwitches() const
    {
        return {testReport,        tesReport,
                sqrtTesReport,     vingrysReport,
                classReport,       percentFirstReport,
                percentSomeReport, percentExpReport,
                testGui,           tesGui,
                sqrtTesGui,        vingrysGui,
                classGui,          percentFirstGui,
                percentSomeGui,    percentExpGui};
    }

    bool operator==(const SettingsRecord &o) const
    {
        return scoreMode == o.scoreMode && analysisSwitches() == o.analysisSwitches() &&
               language == o.language && illumination == o.illumination && location == o.location &&
               industry == o.industry && job == o.job && experience == o.experience &&
               serialNum == o.serialNum && footerImgPath == o.footerImgPath &&
               footerText == o.footerText;
    }
    bool operator!=(const SettingsRecord &o) const { return !(*this == o); }
};

// One physical cap set of the register.
struct CapSet
{
    QString serialNum;
    QString purchaseDate;

    bool operator==(const CapSet &o) const
    {
        return serialNum == o.serialNum && purchaseDate == o.purchaseDate;
    }
};
