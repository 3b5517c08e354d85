#include "preferences.h"
#include "ui_preferences.h"

#include "database.h"
#include "serialnumdialog.h"
#include "vocabulary.h"

#include <QButtonGroup>
#include <QHeaderView>
#include <QIcon>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QTableWidgetItem>

#include <iterator>
#include <utility>

namespace {

// Index order of the language list and of the stored language column.
const char *const LanguageCodes[] = {"en", "fr", "de",      "it",     "ja",
                                     "pt", "es", "zh_Hans", "zh_Hant"};
constexpr int LanguageCount = int(sizeof(LanguageCodes) / sizeof(LanguageCodes[0]));

const QString Standard = QStringLiteral("Standard");
const QString Kinnear = QStringLiteral("Kinnear");

// The default lists carry this dialog's own translation context.
constexpr const char *ListContext = "preferences";

constexpr Vocabulary::Kind ListKinds[] = {Vocabulary::Illumination, Vocabulary::Location,
                                          Vocabulary::Industry, Vocabulary::Job,
                                          Vocabulary::Experience};

} // namespace

preferences::preferences(QWidget *parent)
    : QDialog(parent), ui(new Ui::preferences), scoringGroup(new QButtonGroup(this)),
      capSetDialog(new serialNumDialog(this))
{
    ui->setupUi(this);

    scoringGroup->setExclusive(true);
    scoringGroup->addButton(ui->standardScoringButton);
    scoringGroup->addButton(ui->kinnearScoringButton);
    ui->standardScoringButton->setChecked(true);

    ui->addSerialButton->setIcon(QIcon(QStringLiteral(":/Images/add.png")));
    ui->editSerialButton->setIcon(QIcon(QStringLiteral(":/Images/edit.png")));
    ui->removeSerialButton->setIcon(QIcon(QStringLiteral(":/Images/trash.png")));
    ui->capSetsTableView->setColumnCount(2);
    retranslate();

    connect(ui->okButton, &QPushButton::clicked, this, &preferences::okClicked);
    connect(ui->cancelButton, &QPushButton::clicked, this, &preferences::cancelClicked);
    connect(ui->defaultsButton, &QPushButton::clicked, this, &preferences::defaultClicked);
    connect(ui->standardScoringButton, &QPushButton::clicked, this,
            &preferences::scoringModeChanged);
    connect(ui->kinnearScoringButton, &QPushButton::clicked, this,
            &preferences::scoringModeChanged);

    const std::pair<QCheckBox *, void (preferences::*)()> boxSlots[] = {
        {ui->reportTimeCheckbox, &preferences::reportTimeChanged},
        {ui->reportTESCheckbox, &preferences::reportTESChanged},
        {ui->reportSqrtTESCheckbox, &preferences::reportSqrtTESChanged},
        {ui->reportVingrysCheckbox, &preferences::reportVingrysChanged},
        {ui->reportClassificationCheckbox, &preferences::reportClassificationChanged},
        {ui->reportPercentageFTCheckbox, &preferences::reportPercentageFTChanged},
        {ui->reportPercentageSECheckbox, &preferences::reportPercentageSEChanged},
        {ui->reportPercentageECheckbox, &preferences::reportPercentageEChanged},
        {ui->guiTimeCheckbox, &preferences::guiTimeChanged},
        {ui->guiTESCheckbox, &preferences::guiTESChanged},
        {ui->guiSqrtTESCheckbox, &preferences::guiSqrtTESChanged},
        {ui->guiVingrysCheckbox, &preferences::guiVingrysChanged},
        {ui->guiClassificationCheckbox, &preferences::guiClassificationChanged},
        {ui->guiPercentageFTCheckbox, &preferences::guiPercentageFTChanged},
        {ui->guiPercentageSECheckbox, &preferences::guiPercentageSEChanged},
        {ui->guiPercentageECheckbox, &preferences::guiPercentageEChanged},
    };
    for (const auto &bs : boxSlots)
        connect(bs.first, &QCheckBox::stateChanged, this, bs.second);

    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    connect(ui->illuminationCombobox, indexChanged, this, &preferences::illuminationChanged);
    connect(ui->locationCombobox, indexChanged, this, &preferences::locationChanged);
    connect(ui->industryCombobox, indexChanged, this, &preferences::industryChanged);
    connect(ui->jobCombobox, indexChanged, this, &preferences::jobChanged);
    connect(ui->experienceCombobox, indexChanged, this, &preferences::experienceChanged);
    connect(ui->serialNumCombobox, indexChanged, this, &preferences::serialNumChanged);
    connect(ui->languageComboBox, indexChanged, this, &preferences::languageChanged);
    connect(ui->footerTextEdit, &QPlainTextEdit::textChanged, this, &preferences::footerChanged);

    connect(ui->addSerialButton, &QPushButton::clicked, this, &preferences::addClicked);
    connect(ui->editSerialButton, &QPushButton::clicked, this, &preferences::editClicked);
    connect(ui->removeSerialButton, &QPushButton::clicked, this, &preferences::removeClicked);
    connect(capSetDialog, &serialNumDialog::saveInfo, this, &preferences::saveSerialNum);
    connect(capSetDialog, &serialNumDialog::editInfo, this, &preferences::editSerialNum);
}

preferences::~preferences() = default;

QString preferences::languageCode(int index)
{
    if (index < 0 || index >= LanguageCount)
        return QStringLiteral("en");
    return QString::fromLatin1(LanguageCodes[index]);
}

int preferences::languageIndexFor(QLocale::Language language)
{
    switch (language) {
    case QLocale::Chinese:
        return 7;
    case QLocale::French:
        return 1;
    case QLocale::German:
        return 2;
    case QLocale::Italian:
        return 3;
    case QLocale::Japanese:
        return 4;
    case QLocale::Portuguese:
        return 5;
    case QLocale::Spanish:
        return 6;
    default:
        return 0;
    }
}

QList<preferences::SwitchBox> preferences::switchBoxes() const
{
    return {
        {ui->guiTimeCheckbox, &SettingsRecord::testGui},
        {ui->reportTimeCheckbox, &SettingsRecord::testReport},
        {ui->guiTESCheckbox, &SettingsRecord::tesGui},
        {ui->reportTESCheckbox, &SettingsRecord::tesReport},
        {ui->guiSqrtTESCheckbox, &SettingsRecord::sqrtTesGui},
        {ui->reportSqrtTESCheckbox, &SettingsRecord::sqrtTesReport},
        {ui->guiVingrysCheckbox, &SettingsRecord::vingrysGui},
        {ui->reportVingrysCheckbox, &SettingsRecord::vingrysReport},
        {ui->guiClassificationCheckbox, &SettingsRecord::classGui},
        {ui->reportClassificationCheckbox, &SettingsRecord::classReport},
        {ui->guiPercentageFTCheckbox, &SettingsRecord::percentFirstGui},
        {ui->reportPercentageFTCheckbox, &SettingsRecord::percentFirstReport},
        {ui->guiPercentageSECheckbox, &SettingsRecord::percentSomeGui},
        {ui->reportPercentageSECheckbox, &SettingsRecord::percentSomeReport},
        {ui->guiPercentageECheckbox, &SettingsRecord::percentExpGui},
        {ui->reportPercentageECheckbox, &SettingsRecord::percentExpReport},
    };
}

QList<preferences::DefaultBox> preferences::defaultBoxes() const
{
    return {
        {ui->illuminationCombobox, &SettingsRecord::illumination},
        {ui->locationCombobox, &SettingsRecord::location},
        {ui->industryCombobox, &SettingsRecord::industry},
        {ui->jobCombobox, &SettingsRecord::job},
        {ui->experienceCombobox, &SettingsRecord::experience},
        {ui->serialNumCombobox, &SettingsRecord::serialNum},
    };
}

void preferences::initPreferences()
{
    setWindowModality(Qt::WindowModal);
    ui->capSetsTableView->setAlternatingRowColors(true);
    ui->capSetsTableView->verticalHeader()->hide();

    {
        const QSignalBlocker blocker(ui->languageComboBox);
        ui->languageComboBox->clear();
        for (const char *code : LanguageCodes)
            ui->languageComboBox->addItem(QLocale(QString::fromLatin1(code)).nativeLanguageName());
    }
    fillDefaultLists();

    current = database::instance()->getSettings();
    scoringModeText = current.scoreMode ? Kinnear : Standard;
    showCopy();
    ui->logoSelection->setImage(current.footerImgPath);
    fillCapSets();
    writeLanguageCode();
}

void preferences::fillDefaultLists()
{
    const QList<DefaultBox> boxes = defaultBoxes();
    for (int i = 0; i < int(std::size(ListKinds)); ++i) {
        QComboBox *box = boxes[i].box;
        const QSignalBlocker blocker(box);
        box->clear();
        box->addItems(Vocabulary::translated(ListKinds[i], ListContext));
    }
}

void preferences::showCopy()
{
    // Each control's own slot copies its value back; the copy is saved first so
    // that no control overwrites a value another one still has to show.
    const SettingsRecord shown = current;
    if (scoringModeText == Standard)
        ui->standardScoringButton->setChecked(true);
    else
        ui->kinnearScoringButton->setChecked(true);
    for (const SwitchBox &s : switchBoxes())
        s.box->setChecked(shown.*s.flag);
    ui->languageComboBox->setCurrentIndex(shown.language);
    for (const DefaultBox &d : defaultBoxes())
        d.box->setCurrentIndex(shown.*d.index);
    ui->footerTextEdit->setPlainText(shown.footerText);
    // Indexes that do not exist select nothing; the copy keeps what was read.
    current = shown;
}

void preferences::loadSettings()
{
    current = database::instance()->getSettings();
    scoringModeText = current.scoreMode ? Kinnear : Standard;
    showCopy();
    // Everything shown comes from the file now open: after New, Open or Save As an
    // Ok must not write the old file's logo or defaults into the new one.
    ui->logoSelection->setImage(current.footerImgPath);
    fillCapSets();
    writeLanguageCode();
    emit langChanged();
}

void preferences::refreshCapSets()
{
    fillCapSets();
}

void preferences::writeLanguageCode()
{
    if (languageCodeTarget)
        *languageCodeTarget = languageCode(current.language);
}

void preferences::retranslate()
{
    ui->retranslateUi(this);
    ui->capSetsTableView->setHorizontalHeaderLabels({tr("Serial Number"), tr("Purchase Date")});
    // Another language's headers may be longer than the columns that fitted the last ones.
    ui->capSetsTableView->resizeColumnsToContents();
    ui->addSerialButton->setToolTip(tr("Add a cap set"));
    ui->editSerialButton->setToolTip(tr("Edit the selected cap set"));
    ui->removeSerialButton->setToolTip(tr("Remove the selected cap set"));

    const QList<DefaultBox> boxes = defaultBoxes();
    for (int i = 0; i < int(std::size(ListKinds)); ++i) {
        QComboBox *box = boxes[i].box;
        const QStringList texts = Vocabulary::translated(ListKinds[i], ListContext);
        const int n = qMin(box->count(), texts.size());
        for (int item = 0; item < n; ++item)
            box->setItemText(item, texts[item]);
    }
    capSetDialog->retranslate();
    ui->logoSelection->retranslate();
}

QString preferences::getScoringMode()
{
    scoringModeText = ui->standardScoringButton->isChecked() ? Standard : Kinnear;
    return scoringModeText;
}

QStringList preferences::getFormDefaults() const
{
    return {QString::number(ui->illuminationCombobox->currentIndex()),
            QString::number(ui->locationCombobox->currentIndex()),
            QString::number(ui->industryCombobox->currentIndex()),
            QString::number(ui->jobCombobox->currentIndex()),
            QString::number(ui->experienceCombobox->currentIndex()),
            QString::number(current.serialNum)};
}

int preferences::exec()
{
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    return 0;
}

void preferences::cancelClicked()
{
    emit updateTestFormDefaultsSignal();
    QDialog::reject();
}

void preferences::reject()
{
    cancelClicked();
}

void preferences::okClicked()
{
    getScoringMode();
    for (const SwitchBox &s : switchBoxes())
        current.*s.flag = s.box->isChecked();
    for (const DefaultBox &d : defaultBoxes())
        current.*d.index = d.box->currentIndex();
    current.footerText = ui->footerTextEdit->toPlainText();
    current.language = ui->languageComboBox->currentIndex();
    writeLanguageCode();

    current.scoreMode = scoringModeText != Standard;
    // The picker's path is what gets stored; reports read the copy, so the copy
    // follows it, or a logo chosen now would only appear after a restart.
    current.footerImgPath = ui->logoSelection->getImagePath();
    if (!database::instance()->updateSettings(current))
        warnWriteFailed(tr("Preferences"));

    emit updateTestFormDefaultsSignal();
    emit updateAnalysisOptionsSignal();
    QDialog::accept();
}

void preferences::defaultClicked()
{
    SettingsRecord defaults;
    defaults.tesGui = true;
    defaults.tesReport = true;
    defaults.classGui = true;
    defaults.classReport = true;
    defaults.language = languageIndexFor(QLocale().language());
    current = defaults;
    scoringModeText = Standard;
    showCopy();
    writeLanguageCode();
    emit langChanged();
}

void preferences::scoringModeChanged()
{
    getScoringMode();
    emit updateScoringSignal();
}

void preferences::reportTimeChanged()
{
    current.testReport = ui->reportTimeCheckbox->isChecked();
}
void preferences::reportTESChanged()
{
    current.tesReport = ui->reportTESCheckbox->isChecked();
}
void preferences::reportSqrtTESChanged()
{
    current.sqrtTesReport = ui->reportSqrtTESCheckbox->isChecked();
}
void preferences::reportVingrysChanged()
{
    current.vingrysReport = ui->reportVingrysCheckbox->isChecked();
}
void preferences::reportClassificationChanged()
{
    current.classReport = ui->reportClassificationCheckbox->isChecked();
}
void preferences::reportPercentageFTChanged()
{
    current.percentFirstReport = ui->reportPercentageFTCheckbox->isChecked();
}
void preferences::reportPercentageSEChanged()
{
    current.percentSomeReport = ui->reportPercentageSECheckbox->isChecked();
}
void preferences::reportPercentageEChanged()
{
    current.percentExpReport = ui->reportPercentageECheckbox->isChecked();
}
void preferences::guiTimeChanged()
{
    current.testGui = ui->guiTimeCheckbox->isChecked();
}
void preferences::guiTESChanged()
{
    current.tesGui = ui->guiTESCheckbox->isChecked();
}
void preferences::guiSqrtTESChanged()
{
    current.sqrtTesGui = ui->guiSqrtTESCheckbox->isChecked();
}
void preferences::guiVingrysChanged()
{
    current.vingrysGui = ui->guiVingrysCheckbox->isChecked();
}
void preferences::guiClassificationChanged()
{
    current.classGui = ui->guiClassificationCheckbox->isChecked();
}
void preferences::guiPercentageFTChanged()
{
    current.percentFirstGui = ui->guiPercentageFTCheckbox->isChecked();
}
void preferences::guiPercentageSEChanged()
{
    current.percentSomeGui = ui->guiPercentageSECheckbox->isChecked();
}
void preferences::guiPercentageEChanged()
{
    current.percentExpGui = ui->guiPercentageECheckbox->isChecked();
}

void preferences::languageChanged()
{
    current.language = ui->languageComboBox->currentIndex();
    writeLanguageCode();
    emit langChanged();
}

void preferences::illuminationChanged()
{
    current.illumination = ui->illuminationCombobox->currentIndex();
}
void preferences::locationChanged()
{
    current.location = ui->locationCombobox->currentIndex();
}
void preferences::industryChanged()
{
    current.industry = ui->industryCombobox->currentIndex();
}
void preferences::jobChanged()
{
    current.job = ui->jobCombobox->currentIndex();
}
void preferences::experienceChanged()
{
    current.experience = ui->experienceCombobox->currentIndex();
}
void preferences::serialNumChanged()
{
    current.serialNum = ui->serialNumCombobox->currentIndex();
}
void preferences::footerChanged()
{
    current.footerText = ui->footerTextEdit->toPlainText();
}

void preferences::fillCapSets()
{
    QTableWidget *table = ui->capSetsTableView;
    QComboBox *combo = ui->serialNumCombobox;
    const int keep = current.serialNum;
    {
        // Emptying the list must not move the default to "nothing selected".
        const QSignalBlocker blocker(combo);
        table->clearContents();
        table->setRowCount(0);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        serialNumbers.clear();
        table->setHorizontalHeaderLabels({tr("Serial Number"), tr("Purchase Date")});
        combo->clear();
        combo->addItem(QString());

        const QList<CapSet> sets = database::instance()->getSerialNums();
        table->setRowCount(sets.size());
        for (int row = 0; row < sets.size(); ++row) {
            const CapSet &c = sets[row];
            const QString cells[] = {c.serialNum, c.purchaseDate};
            for (int column = 0; column < 2; ++column) {
                auto *item = new QTableWidgetItem(cells[column]);
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
                table->setItem(row, column, item);
            }
            serialNumbers.append(c.serialNum);
            combo->addItem(c.serialNum);
        }
        if (keep >= 0 && keep < combo->count())
            combo->setCurrentIndex(keep);
    }
    current.serialNum = combo->currentIndex();
    table->resizeColumnsToContents();
    table->setCurrentCell(0, 0);
}

void preferences::warnWriteFailed(const QString &title)
{
    QMessageBox::warning(this, title, database::instance()->lastError());
}

void preferences::addClicked()
{
    capSetDialog->setEditMode(false);
    capSetDialog->exec();
}

void preferences::editClicked()
{
    QTableWidget *table = ui->capSetsTableView;
    const int row = table->currentRow();
    if (table->rowCount() < 1 || row < 0 || row >= table->rowCount())
        return;
    const QTableWidgetItem *serial = table->item(row, 0);
    const QTableWidgetItem *purchase = table->item(row, 1);
    capSetDialog->setEditMode(true);
    capSetDialog->setInfo(serial ? serial->text() : QString(),
                          purchase ? purchase->text() : QString());
    capSetDialog->exec();
}

void preferences::saveSerialNum()
{
    if (!database::instance()->insertSerialNum(capSetDialog->getSerial(),
                                               capSetDialog->getPurchaseDate()))
        warnWriteFailed(tr("Cap Sets"));
    capSetDialog->clearFields();
    fillCapSets();
}

void preferences::editSerialNum()
{
    QTableWidget *table = ui->capSetsTableView;
    const int row = table->currentRow();
    const QTableWidgetItem *old = row >= 0 ? table->item(row, 0) : nullptr;
    if (!old)
        return;
    if (!database::instance()->updateSerialNum(old->text(), capSetDialog->getSerial(),
                                               capSetDialog->getPurchaseDate()))
        warnWriteFailed(tr("Cap Sets"));
    capSetDialog->clearFields();
    fillCapSets();
}

void preferences::removeClicked()
{
    QTableWidget *table = ui->capSetsTableView;
    const int row = table->currentRow();
    const QTableWidgetItem *serial = row >= 0 ? table->item(row, 0) : nullptr;
    if (!serial)
        return;
    if (!database::instance()->deleteSerialNum(serial->text()))
        warnWriteFailed(tr("Cap Sets"));
    capSetDialog->clearFields();
    fillCapSets();
}
