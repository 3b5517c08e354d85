#pragma once

#include <QDialog>
#include <QString>
#include <memory>

namespace Ui {
class serialNumDialog;
}

// Entry of one cap set (serial number and purchase date) for the register.
// It stores nothing itself: Ok announces an addition or a change and the
// preferences dialog writes it.
class serialNumDialog : public QDialog
{
    Q_OBJECT

public:
    explicit serialNumDialog(QWidget *parent = nullptr);
    ~serialNumDialog() override;

    QString getSerial() const { return serial; }
    QString getPurchaseDate() const { return purchaseDate; }
    bool isEditMode() const { return editMode; }
    void setEditMode(bool edit) { editMode = edit; }
    void setInfo(const QString &serialNum, const QString &purchase);
    void clearFields();
    void retranslate();

    // A date that exists, written month/day/year with a four-digit year, as the
    // report's certification reads it ("3/4/2024", "03/04/2024").
    static bool isPurchaseDate(const QString &text);

signals:
    void saveInfo();
    void editInfo();

public slots:
    // Shows the dialog modal for the whole program and returns at once.
    int exec() override;
    void serialChanged();
    void purchaseChanged();
    void okClicked();
    void cancelClicked();

private:
    std::unique_ptr<Ui::serialNumDialog> ui;
    QString serial;
    QString purchaseDate;
    bool editMode = false;
};
