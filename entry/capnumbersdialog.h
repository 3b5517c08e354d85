#pragma once

#include "capentrycheck.h"

#include <QDialog>
#include <QVector>

class QLabel;
class QLineEdit;
class QPushButton;

// "Type Cap Numbers…": one line per tray, prefilled with the trays' order and
// checked as the examiner types. Apply is possible only when every tray holds
// exactly its own caps; the form then takes arrangement().
class CapNumbersDialog : public QDialog
{
    Q_OBJECT

public:
    // order: the 85 caps as the trays hold them now.
    explicit CapNumbersDialog(const QVector<int> &order, QWidget *parent = nullptr);

    // The typed arrangement when it can be applied; empty otherwise.
    QVector<int> arrangement() const { return check.arrangement(); }

private:
    struct TrayRow
    {
        QLineEdit *line = nullptr;
        QLabel *count = nullptr;
        QLabel *problems = nullptr;
    };

    void lineEdited(int tray);
    void lineReturned(int tray);
    void recheck();

    TrayRow rows[TrayCheck::Trays];
    QLabel *tesLabel = nullptr;
    QPushButton *applyButton = nullptr;
    CapEntryCheck check;
};
