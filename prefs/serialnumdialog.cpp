#include "serialnumdialog.h"
#include "ui_serialnumdialog.h"

#include <QDate>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

serialNumDialog::serialNumDialog(QWidget *parent) : QDialog(parent), ui(new Ui::serialNumDialog)
{
    ui->setupUi(this);
    ui->serialNumLineEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9_]{1,20}")), ui->serialNumLineEdit));
    ui->purchaseDateLineEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9_//]{1,20}")), ui->purchaseDateLineEdit));
    ui->serialNumLineEdit->setFocus();

    connect(ui->serialNumLineEdit, &QLineEdit::textChanged, this, &serialNumDialog::serialChanged);
    connect(ui->purchaseDateLineEdit, &QLineEdit::textChanged, this,
            &serialNumDialog::purchaseChanged);
    connect(ui->okButton, &QPushButton::clicked, this, &serialNumDialog::okClicked);
    connect(ui->cancelButton, &QPushButton::clicked, this, &serialNumDialog::cancelClicked);
    purchaseChanged();
}

bool serialNumDialog::isPurchaseDate(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,2})/([0-9]{1,2})/([0-9]{4})$"));
    const QRegularExpressionMatch m = form.match(text);
    return m.hasMatch() &&
           QDate(m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt()).isValid();
}

serialNumDialog::~serialNumDialog() = default;

void serialNumDialog::setInfo(const QString &serialNum, const QString &purchase)
{
    // Stored texts are shown as they are, even ones the validators would not let
    // the examiner type (older records, imports).
    ui->serialNumLineEdit->setText(serialNum);
    ui->purchaseDateLineEdit->setText(purchase);
    serial = serialNum;
    purchaseDate = purchase;
}

void serialNumDialog::clearFields()
{
    ui->serialNumLineEdit->clear();
    ui->purchaseDateLineEdit->clear();
    serial.clear();
    purchaseDate.clear();
}

void serialNumDialog::retranslate()
{
    ui->retranslateUi(this);
}

int serialNumDialog::exec()
{
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    ui->serialNumLineEdit->setFocus();
    return 0;
}

void serialNumDialog::serialChanged()
{
    serial = ui->serialNumLineEdit->text();
}

void serialNumDialog::purchaseChanged()
{
    purchaseDate = ui->purchaseDateLineEdit->text();
    // A date the certification cannot read (15/01/2023, 02/30/2020) would mark every
    // report of the cap set as uncertified.
    ui->okButton->setEnabled(isPurchaseDate(purchaseDate));
}

void serialNumDialog::okClicked()
{
    if (!isPurchaseDate(purchaseDate))
        return;
    if (editMode)
        emit editInfo();
    else
        emit saveInfo();
    editMode = false;
    accept();
}

void serialNumDialog::cancelClicked()
{
    reject();
}
