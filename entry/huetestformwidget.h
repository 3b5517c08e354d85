#pragma once

#include "databaseentry.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

class QComboBox;
class QLineEdit;
class QUndoStack;
class HueSwatchLineWidget;

namespace Ui {
class HueTestFormWidget;
}

// The page on which one test is entered: the subject's and the test's particulars
// and the arrangement in four trays. Mode "newView" stores new tests, mode
// "viewView" updates the stored test last shown with showEntry().
class HueTestFormWidget : public QWidget
{
    Q_OBJECT

public:
    explicit HueTestFormWidget(QWidget *parent = nullptr);
    ~HueTestFormWidget() override;

    void setMode(const QString &mode);
    void setSaveButtonText(const QString &text);
    void disableSubjectFields();
    void setSerialNumbers(const QStringList &serials);
    // Six indexes as text: illumination, location, industry, job, experience, serial number.
    void setFormDefaults(const QStringList &list);
    void resetForm();
    void showEntry(const databaseEntry &entry);
    bool isChanged() const { return changed; }
    void resizeTrays(int width);
    void retranslateForm();

    // What the save button does. False when nothing was stored and the examiner has
    // been told why (names missing, or the store refused the write); the form is
    // then left as it was. A view form with no stored test loaded has nothing to
    // write and returns true.
    bool save();

    // The four trays' orders concatenated: the cap-order text of the arrangement.
    QString capOrderText() const;
    bool isLoaded() const { return loaded; }

    // The page's history of tray changes (drags, keyboard moves, typed orders,
    // Reset Test). A saved or newly shown test starts a fresh one.
    QUndoStack *undoStack() const { return history; }

signals:
    void updatedInfo(databaseEntry entry);
    void savedNewTest();

private slots:
    void hueLine1Changed();
    void hueLine2Changed();
    void hueLine3Changed();
    void hueLine4Changed();
    void resetClicked();
    void saveClicked();
    void checkBoxClicked();
    void hueLine1Drag();
    void removeDragIcons();
    void typeCapNumbersClicked();

    void firstChanged();
    void middleChanged();
    void lastChanged();
    void DOBChanged();
    void refChanged();
    void dateChanged();
    void timeChanged();
    void genderChanged();
    void commentsChanged();
    void illuminationChanged();
    void jobChanged();
    void industryChanged();
    void locationChanged();
    void serialChanged();
    void experienceChanged();

    void focusChanged(QWidget *old, QWidget *now);
    void fieldEdited();

private:
    enum DefaultIndex
    {
        IllDefault,
        LocDefault,
        IndDefault,
        JobDefault,
        ExpDefault,
        SerialDefault
    };

    // What Reset Test clears, kept so that it can be undone.
    struct Contents
    {
        QVector<int> order;
        QStringList texts;
        QStringList choices;
        bool scoresShown = false;
    };

    QList<HueSwatchLineWidget *> trays() const;
    void markChanged();
    // Removes what a one-line field must not hold, keeping the cursor in place.
    void keepSingleLine(QLineEdit *edit);
    void trayMoved();
    QVector<int> arrangement() const;
    void showArrangement(const QVector<int> &caps);
    void clearForm();
    Contents contents() const;
    void restore(const Contents &kept);
    void updateTileScores();
    void setFixedComboTexts();
    void showProblem(const QString &text, const QString &detail = QString());
    bool storeNewTest(const QString &scores);
    bool updateStoredTest(const QString &scores);
    // The record the fields describe, with this cap-order text and no test id.
    databaseEntry fieldsAsRecord(const QString &scores) const;

    std::unique_ptr<Ui::HueTestFormWidget> ui;
    QStringList serialNumbers;
    bool changed = false;
    bool filling = false; // the form is being filled, not edited
    QString modeText;
    databaseEntry loadedRecord;
    bool loaded = false;
    int defaults[6] = {0, 0, 0, 0, 0, 0};
    QUndoStack *history;
    // The arrangement as last shown or recorded: where an undo of the next move goes back to.
    QVector<int> shownOrder;
};
