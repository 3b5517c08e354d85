#pragma once

#include "settingsrecord.h"

#include <QDialog>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class serialNumDialog;

namespace Ui {
class preferences;
}

// The program's settings while it runs: scoring mode, which results appear on
// screen and in the report, the interface language, the report footer, the
// defaults of a new record and the cap-set register.
//
// The scoring mode and the language act at once; everything else is stored at
// Ok. The cap-set register is written at every add, edit or remove.
class preferences : public QDialog
{
    Q_OBJECT

public:
    explicit preferences(QWidget *parent = nullptr);
    ~preferences() override;

    // The window's language code, written whenever the language is set.
    void setLanguageCodeTarget(QString *code) { languageCodeTarget = code; }
    // Start-up: fills the lists and the register and reads the stored settings.
    void initPreferences();
    // Reads the stored settings, the cap-set register and the footer logo of the
    // file now open into the copy and the controls, writes the language code and
    // emits langChanged().
    void loadSettings();
    // Reads the cap-set register again (an import may have added to it).
    void refreshCapSets();
    // Re-translates the fixed texts, the default lists (positions and choices
    // kept) and the cap-set dialog; language entries keep their native names.
    void retranslate();

    // "Standard" or "Kinnear", from the scoring buttons.
    QString getScoringMode();
    // The 16 switches: the eight report switches, then the eight screen switches.
    QList<bool> getAnalysisOptions() const { return current.analysisSwitches(); }
    // Default indexes as decimal texts: illumination, location, industry, job,
    // experience, serial number.
    QStringList getFormDefaults() const;
    QStringList getSerialNumbers() const { return serialNumbers; }
    QString getFooterImgPath() const { return current.footerImgPath; }
    QString getFooterText() const { return current.footerText; }

    // Language table: index 0..8 to code; anything else is "en".
    static QString languageCode(int index);
    // The language index Reset Defaults picks for a locale language.
    static int languageIndexFor(QLocale::Language language);

signals:
    void updateAnalysisOptionsSignal();
    void updateTestFormDefaultsSignal();
    void updateScoringSignal();
    void langChanged();

public slots:
    void saveSerialNum();
    void editSerialNum();
    // Shows the dialog modal for the whole program and returns 0 at once; the
    // controls keep what they held when the dialog was last closed.
    int exec() override;
    void cancelClicked();
    void okClicked();
    void defaultClicked();
    void addClicked();
    void editClicked();
    void removeClicked();
    void scoringModeChanged();
    void reportTimeChanged();
    void reportTESChanged();
    void reportSqrtTESChanged();
    void reportVingrysChanged();
    void reportClassificationChanged();
    void reportPercentageFTChanged();
    void reportPercentageSEChanged();
    void reportPercentageEChanged();
    void guiTimeChanged();
    void guiTESChanged();
    void guiSqrtTESChanged();
    void guiVingrysChanged();
    void guiClassificationChanged();
    void guiPercentageFTChanged();
    void guiPercentageSEChanged();
    void guiPercentageEChanged();
    void languageChanged();
    void illuminationChanged();
    void locationChanged();
    void industryChanged();
    void jobChanged();
    void experienceChanged();
    void serialNumChanged();
    void footerChanged();

    // Closing the window or Escape counts as Cancel, so register changes made
    // meanwhile still reach the entry forms.
    void reject() override;

private:
    struct SwitchBox
    {
        QCheckBox *box;
        bool SettingsRecord::*flag;
    };
    struct DefaultBox
    {
        QComboBox *box;
        int SettingsRecord::*index;
    };

    QList<SwitchBox> switchBoxes() const;
    QList<DefaultBox> defaultBoxes() const;
    void fillDefaultLists();
    void showCopy();
    void writeLanguageCode();
    void fillCapSets();
    void warnWriteFailed(const QString &title);

    std::unique_ptr<Ui::preferences> ui;
    QButtonGroup *scoringGroup;
    serialNumDialog *capSetDialog;
    QString *languageCodeTarget = nullptr;
    QString scoringModeText = QStringLiteral("Standard");
    SettingsRecord current;
    QStringList serialNumbers;
};
