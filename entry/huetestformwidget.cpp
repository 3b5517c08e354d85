#include "huetestformwidget.h"
#include "ui_huetestformwidget.h"

#include "capnumbersdialog.h"
#include "caporder.h"
#include "clock.h"
#include "copyoperations.h"
#include "database.h"
#include "entrycommand.h"
#include "fieldtext.h"
#include "hueswatchlinewidget.h"
#include "scoring.h"
#include "vocabulary.h"

#include <QLocale>
#include <QMessageBox>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QUndoStack>

namespace {

const QString NewView = QStringLiteral("newView");
const QString ViewView = QStringLiteral("viewView");

QVector<int> traySlice(const QVector<int> &caps, int tray)
{
    return caps.mid(CapOrder::trayStart(tray), CapOrder::traySize(tray));
}

// The last item with exactly this text; a text the combo lacks is added to it.
void selectStored(QComboBox *combo, const QString &text)
{
    int found = -1;
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i) == text)
            found = i;
    }
    if (found < 0) {
        combo->addItem(text);
        found = combo->count() - 1;
    }
    combo->setCurrentIndex(found);
}

// A default index that no longer exists (say, a removed cap set) shows the empty item.
void selectIndex(QComboBox *combo, int index)
{
    if (combo->count() == 0)
        return;
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : 0);
}

} // namespace

HueTestFormWidget::HueTestFormWidget(QWidget *parent)
    : QWidget(parent), ui(new Ui::HueTestFormWidget), history(new QUndoStack(this))
{
    ui->setupUi(this);
    for (HueSwatchLineWidget *tray : trays())
        connect(tray, &HueSwatchLineWidget::clearIcons, this, &HueTestFormWidget::removeDragIcons);

    const QVector<int> untouched = CapOrder::untouched();
    const QList<HueSwatchLineWidget *> all = trays();
    for (int t = 0; t < all.size(); ++t)
        all.at(t)->setCapList(traySlice(untouched, t));
    connect(ui->HueLine1, &HueSwatchLineWidget::hasChanges, this,
            &HueTestFormWidget::hueLine1Changed);
    connect(ui->HueLine2, &HueSwatchLineWidget::hasChanges, this,
            &HueTestFormWidget::hueLine2Changed);
    connect(ui->HueLine3, &HueSwatchLineWidget::hasChanges, this,
            &HueTestFormWidget::hueLine3Changed);
    connect(ui->HueLine4, &HueSwatchLineWidget::hasChanges, this,
            &HueTestFormWidget::hueLine4Changed);

    connect(ui->resetButton, &QPushButton::clicked, this, &HueTestFormWidget::resetClicked);
    connect(ui->saveButton, &QPushButton::clicked, this, &HueTestFormWidget::saveClicked);
    connect(ui->checkBox, &QCheckBox::clicked, this, &HueTestFormWidget::checkBoxClicked);
    connect(ui->HueLine1, &HueSwatchLineWidget::itemBeingDragged, this,
            &HueTestFormWidget::hueLine1Drag);
    connect(ui->typeCapsButton, &QPushButton::clicked, this,
            &HueTestFormWidget::typeCapNumbersClicked);
    // Up and Down carry the keyboard focus to the same place in the next tray.
    for (int t = 0; t < all.size(); ++t) {
        connect(all.at(t), &HueSwatchLineWidget::neighbourRequested, this,
                [this, t](int direction) {
                    const QList<HueSwatchLineWidget *> list = trays();
                    const int to = t + direction;
                    if (to >= 0 && to < list.size())
                        list.at(to)->focusCap(list.at(t)->focusedRow());
                });
    }

    resetForm();

    ui->illuminationCombo->addItems(Vocabulary::translated(Vocabulary::Illumination));
    ui->locationCombo->addItems(Vocabulary::translated(Vocabulary::Location));
    ui->industryCombo->addItems(Vocabulary::translated(Vocabulary::Industry));
    ui->jobCombo->addItems(Vocabulary::translated(Vocabulary::Job));
    ui->experienceCombo->addItems(Vocabulary::translated(Vocabulary::Experience));

    // Names, dates and references stay free text: subjects are named in many scripts
    // and dates come in local forms. Only the minutes field is numeric.
    ui->time->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9.,:]{0,20}")), this));

    connect(ui->firstName, &QLineEdit::selectionChanged, this, &HueTestFormWidget::firstChanged);
    connect(ui->middleName, &QLineEdit::selectionChanged, this, &HueTestFormWidget::middleChanged);
    connect(ui->lastName, &QLineEdit::selectionChanged, this, &HueTestFormWidget::lastChanged);
    connect(ui->dob, &QLineEdit::selectionChanged, this, &HueTestFormWidget::DOBChanged);
    connect(ui->referenceNumber, &QLineEdit::selectionChanged, this,
            &HueTestFormWidget::refChanged);
    connect(ui->testDate, &QLineEdit::selectionChanged, this, &HueTestFormWidget::dateChanged);
    connect(ui->time, &QLineEdit::selectionChanged, this, &HueTestFormWidget::timeChanged);
    connect(ui->gender, &QLineEdit::selectionChanged, this, &HueTestFormWidget::genderChanged);
    connect(ui->comments, &QPlainTextEdit::selectionChanged, this,
            &HueTestFormWidget::commentsChanged);
    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    connect(ui->illuminationCombo, indexChanged, this, &HueTestFormWidget::illuminationChanged);
    connect(ui->jobCombo, indexChanged, this, &HueTestFormWidget::jobChanged);
    connect(ui->industryCombo, indexChanged, this, &HueTestFormWidget::industryChanged);
    connect(ui->locationCombo, indexChanged, this, &HueTestFormWidget::locationChanged);
    connect(ui->serialCombo, indexChanged, this, &HueTestFormWidget::serialChanged);
    connect(ui->experienceCombo, indexChanged, this, &HueTestFormWidget::experienceChanged);
    connect(copyOperations::instance(), &copyOperations::focusChanged, this,
            &HueTestFormWidget::focusChanged);

    // Any edit the examiner makes is unsaved until stored; filling the form is not.
    QLineEdit *const lineEdits[] = {ui->firstName,       ui->middleName, ui->lastName, ui->dob,
                                    ui->referenceNumber, ui->testDate,   ui->time,     ui->gender};
    for (QLineEdit *edit : lineEdits) {
        connect(edit, &QLineEdit::textEdited, this, [this, edit] {
            keepSingleLine(edit);
            fieldEdited();
        });
    }
    connect(ui->comments, &QPlainTextEdit::textChanged, this, &HueTestFormWidget::fieldEdited);
    QComboBox *const combos[] = {ui->illuminationCombo, ui->jobCombo,    ui->industryCombo,
                                 ui->locationCombo,     ui->serialCombo, ui->experienceCombo};
    for (QComboBox *box : combos) {
        connect(box, QOverload<int>::of(&QComboBox::activated), this,
                &HueTestFormWidget::fieldEdited);
        // A long entry (in some languages, or a stored one) shows elided instead of
        // widening the page past the window; the open list shows it whole.
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(6);
    }
    ui->incompleteLabel->hide();
}

HueTestFormWidget::~HueTestFormWidget()
{
    // Focus and selection signals still arrive while the base class takes the fields
    // down; by then this object is no longer a form.
    disconnect(copyOperations::instance(), nullptr, this, nullptr);
    const QList<QObject *> parts = findChildren<QObject *>();
    for (QObject *part : parts)
        disconnect(part, nullptr, this, nullptr);
}

QList<HueSwatchLineWidget *> HueTestFormWidget::trays() const
{
    return {ui->HueLine1, ui->HueLine2, ui->HueLine3, ui->HueLine4};
}

void HueTestFormWidget::setMode(const QString &mode)
{
    modeText = mode;
}

void HueTestFormWidget::setSaveButtonText(const QString &text)
{
    ui->saveButton->setText(text);
}

void HueTestFormWidget::disableSubjectFields()
{
    ui->firstName->setEnabled(false);
    ui->middleName->setEnabled(false);
    ui->lastName->setEnabled(false);
    ui->dob->setEnabled(false);
}

void HueTestFormWidget::setSerialNumbers(const QStringList &serials)
{
    const QScopedValueRollback<bool> fill(filling, true);
    // A refill (after Preferences, an import or another file) keeps the cap set the
    // form shows: an Update would otherwise store an empty serial number.
    const QString chosen = ui->serialCombo->currentText();
    serialNumbers = serials;
    ui->serialCombo->clear();
    ui->serialCombo->clearEditText();
    ui->serialCombo->addItem(QString());
    ui->serialCombo->addItems(serialNumbers);
    if (!chosen.isEmpty())
        selectStored(ui->serialCombo, chosen);
}

void HueTestFormWidget::setFormDefaults(const QStringList &list)
{
    for (int i = 0; i < 6; ++i)
        defaults[i] = i < list.size() ? list.at(i).toInt() : 0;
}

void HueTestFormWidget::setFixedComboTexts()
{
    const std::pair<QComboBox *, Vocabulary::Kind> combos[] = {
        {ui->illuminationCombo, Vocabulary::Illumination},
        {ui->locationCombo, Vocabulary::Location},
        {ui->industryCombo, Vocabulary::Industry},
        {ui->jobCombo, Vocabulary::Job},
        {ui->experienceCombo, Vocabulary::Experience},
    };
    for (const auto &entry : combos) {
        const QStringList texts = Vocabulary::translated(entry.second);
        const int n = qMin(texts.size(), entry.first->count());
        for (int i = 0; i < n; ++i)
            entry.first->setItemText(i, texts.at(i));
    }
}

void HueTestFormWidget::resetForm()
{
    clearForm();
    history->clear();
}

void HueTestFormWidget::clearForm()
{
    const QScopedValueRollback<bool> fill(filling, true);
    changed = false;
    ui->incompleteLabel->hide();
    // A reset form holds no stored test any more: Update must not write its blank
    // fields over the test that was shown before.
    loaded = false;
    loadedRecord = databaseEntry();
    for (HueSwatchLineWidget *tray : trays())
        tray->resetTray();
    ui->checkBox->setChecked(false);
    ui->firstName->clear();
    ui->middleName->clear();
    ui->lastName->clear();
    ui->referenceNumber->clear();
    ui->gender->clear();
    ui->dob->clear();
    ui->comments->clear();
    ui->testDate->clear();
    ui->time->clear();
    setFixedComboTexts();
    // Entries added for a stored test or kept from another file's register go.
    ui->serialCombo->clear();
    ui->serialCombo->addItem(QString());
    ui->serialCombo->addItems(serialNumbers);
    selectIndex(ui->illuminationCombo, defaults[IllDefault]);
    selectIndex(ui->locationCombo, defaults[LocDefault]);
    selectIndex(ui->industryCombo, defaults[IndDefault]);
    selectIndex(ui->jobCombo, defaults[JobDefault]);
    selectIndex(ui->experienceCombo, defaults[ExpDefault]);
    selectIndex(ui->serialCombo, defaults[SerialDefault]);
    ui->firstName->setEnabled(true);
    ui->middleName->setEnabled(true);
    ui->lastName->setEnabled(true);
    ui->dob->setEnabled(true);
    for (HueSwatchLineWidget *tray : trays())
        tray->resizeTiles(width());
    shownOrder = arrangement();
}

void HueTestFormWidget::showEntry(const databaseEntry &entry)
{
    const QScopedValueRollback<bool> fill(filling, true);
    loadedRecord = entry;
    ui->checkBox->setChecked(false);
    ui->firstName->setText(entry.first);
    ui->middleName->setText(entry.middle);
    ui->lastName->setText(entry.last);
    ui->referenceNumber->setText(entry.refNum);
    ui->dob->setText(entry.DOB);
    ui->testDate->setText(entry.testDate);
    ui->time->setText(entry.time);
    ui->comments->setPlainText(entry.comments);
    ui->gender->setText(entry.gender);
    selectStored(ui->illuminationCombo, entry.illumination);
    selectStored(ui->locationCombo, entry.location);
    selectStored(ui->industryCombo, entry.industry);
    selectStored(ui->jobCombo, entry.job);
    selectStored(ui->experienceCombo, entry.experience);
    selectStored(ui->serialCombo, entry.serialNum);

    const QVector<int> stored = CapOrder::read(entry.scores);
    // The trays hold every cap once whatever the stored text holds; the examiner is
    // told, and the test stays unscored until it is saved complete.
    const QVector<int> caps = CapOrder::fullSet(stored);
    ui->incompleteLabel->setVisible(!CapOrder::isFullSet(stored));
    const QList<HueSwatchLineWidget *> all = trays();
    for (HueSwatchLineWidget *tray : all)
        tray->clearTray();
    for (int t = 0; t < all.size(); ++t)
        all.at(t)->setCapList(traySlice(caps, t));
    loaded = true;
    // The form now shows exactly what is stored: nothing is unsaved, nothing to undo.
    changed = false;
    shownOrder = arrangement();
    history->clear();
}

void HueTestFormWidget::resizeTrays(int width)
{
    for (HueSwatchLineWidget *tray : trays())
        tray->resizeTiles(width);
}

void HueTestFormWidget::retranslateForm()
{
    ui->retranslateUi(this);
    if (modeText == NewView)
        ui->saveButton->setText(tr("Save"));
    else if (modeText == ViewView)
        ui->saveButton->setText(tr("Update"));
    setFixedComboTexts();
}

QString HueTestFormWidget::capOrderText() const
{
    QString text;
    for (const HueSwatchLineWidget *tray : trays())
        text += tray->capOrderText();
    return text;
}

void HueTestFormWidget::showProblem(const QString &text, const QString &detail)
{
    auto *box = new QMessageBox(detail.isEmpty() ? QMessageBox::NoIcon : QMessageBox::Warning,
                                QString(), text, QMessageBox::Ok, this);
    box->setInformativeText(detail);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

bool HueTestFormWidget::save()
{
    const QString scores = capOrderText();
    return modeText == NewView ? storeNewTest(scores) : updateStoredTest(scores);
}

bool HueTestFormWidget::storeNewTest(const QString &scores)
{
    databaseEntry e = fieldsAsRecord(scores);
    if (e.first.isEmpty() || e.last.isEmpty() || e.DOB.isEmpty()) {
        showProblem(tr("Please enter a date of birth and first and last names."));
        return false;
    }
    if (e.testDate.isEmpty())
        e.testDate = QLocale::c().toString(Clock::today(), QStringLiteral("MM/dd/yyyy"));
    // Subject and test go in together: a subject row without its test helps nobody.
    if (!database::instance()->insertUserAndTest(e)) {
        showProblem(tr("The test could not be saved."), database::instance()->lastError());
        return false;
    }
    changed = false;
    emit savedNewTest();
    resetForm();
    return true;
}

databaseEntry HueTestFormWidget::fieldsAsRecord(const QString &scores) const
{
    // A field filled from an older record may still hold what an edit would remove.
    databaseEntry e;
    e.first = FieldText::singleLine(ui->firstName->text());
    e.middle = FieldText::singleLine(ui->middleName->text());
    e.last = FieldText::singleLine(ui->lastName->text());
    e.refNum = FieldText::singleLine(ui->referenceNumber->text());
    e.DOB = FieldText::singleLine(ui->dob->text());
    e.testDate = FieldText::singleLine(ui->testDate->text());
    e.time = FieldText::singleLine(ui->time->text());
    e.comments = FieldText::multiLine(ui->comments->toPlainText());
    e.gender = FieldText::singleLine(ui->gender->text());
    e.experience = ui->experienceCombo->currentText();
    e.illumination = ui->illuminationCombo->currentText();
    e.industry = ui->industryCombo->currentText();
    e.job = ui->jobCombo->currentText();
    e.location = ui->locationCombo->currentText();
    e.serialNum = ui->serialCombo->currentText();
    e.scores = scores;
    return e;
}

bool HueTestFormWidget::updateStoredTest(const QString &scores)
{
    if (!loaded) {
        changed = false;
        return true;
    }
    const databaseEntry edited = fieldsAsRecord(scores);
    if (!database::instance()->updateUserAndTest(edited, loadedRecord)) {
        showProblem(tr("The test could not be updated."), database::instance()->lastError());
        return false;
    }

    // The stored rows now hold the edits; the next update has to find them by these.
    const QString testID = loadedRecord.testID;
    loadedRecord = edited;
    loadedRecord.testID = testID;
    changed = false;
    ui->incompleteLabel->hide();
    history->clear();
    // The record as it is stored now, so that nothing shows the old particulars.
    emit updatedInfo(loadedRecord);
    return true;
}

void HueTestFormWidget::keepSingleLine(QLineEdit *edit)
{
    const QString text = edit->text();
    const QString clean = FieldText::singleLine(text);
    if (clean == text)
        return;
    const int cursor = FieldText::singleLine(text.left(edit->cursorPosition())).size();
    edit->setText(clean);
    edit->setCursorPosition(cursor);
}

void HueTestFormWidget::fieldEdited()
{
    if (!filling)
        changed = true;
}

void HueTestFormWidget::markChanged()
{
    changed = true;
    updateTileScores();
}

void HueTestFormWidget::hueLine1Changed()
{
    trayMoved();
}
void HueTestFormWidget::hueLine2Changed()
{
    trayMoved();
}
void HueTestFormWidget::hueLine3Changed()
{
    trayMoved();
}
void HueTestFormWidget::hueLine4Changed()
{
    trayMoved();
}

void HueTestFormWidget::trayMoved()
{
    // The trays already show the move: the command only records it.
    const QVector<int> before = shownOrder;
    const QVector<int> after = arrangement();
    shownOrder = after;
    if (after != before) {
        history->push(new EntryCommand(
            tr("Move Cap"), [this, before] { showArrangement(before); },
            [this, after] { showArrangement(after); }, true));
    }
    markChanged();
}

QVector<int> HueTestFormWidget::arrangement() const
{
    QVector<int> caps;
    for (const HueSwatchLineWidget *tray : trays())
        caps += tray->order();
    return caps;
}

void HueTestFormWidget::showArrangement(const QVector<int> &caps)
{
    const QList<HueSwatchLineWidget *> all = trays();
    for (int t = 0; t < all.size(); ++t)
        all.at(t)->showOrder(traySlice(caps, t));
    shownOrder = caps;
    markChanged();
}

HueTestFormWidget::Contents HueTestFormWidget::contents() const
{
    Contents kept;
    kept.order = arrangement();
    kept.texts =
        QStringList{ui->firstName->text(),       ui->middleName->text(), ui->lastName->text(),
                    ui->referenceNumber->text(), ui->gender->text(),     ui->dob->text(),
                    ui->comments->toPlainText(), ui->testDate->text(),   ui->time->text()};
    for (const QComboBox *combo : {ui->illuminationCombo, ui->locationCombo, ui->industryCombo,
                                   ui->jobCombo, ui->experienceCombo, ui->serialCombo})
        kept.choices << combo->currentText();
    kept.scoresShown = ui->checkBox->isChecked();
    return kept;
}

void HueTestFormWidget::restore(const Contents &kept)
{
    QLineEdit *const edits[] = {ui->firstName,       ui->middleName, ui->lastName,
                                ui->referenceNumber, ui->gender,     ui->dob};
    for (int i = 0; i < 6; ++i)
        edits[i]->setText(kept.texts.at(i));
    ui->comments->setPlainText(kept.texts.at(6));
    ui->testDate->setText(kept.texts.at(7));
    ui->time->setText(kept.texts.at(8));
    QComboBox *const combos[] = {ui->illuminationCombo, ui->locationCombo,   ui->industryCombo,
                                 ui->jobCombo,          ui->experienceCombo, ui->serialCombo};
    for (int i = 0; i < 6; ++i) {
        // A choice that has left the list meanwhile (a removed cap set) stays unchosen.
        const int index = combos[i]->findText(kept.choices.at(i));
        if (index >= 0)
            combos[i]->setCurrentIndex(index);
    }
    ui->checkBox->setChecked(kept.scoresShown);
    showArrangement(kept.order);
}

void HueTestFormWidget::updateTileScores()
{
    const QVector<int> scores = Scoring::positionScores(CapOrder::read(capOrderText()));
    if (scores.size() < CapOrder::Positions || !ui->checkBox->isChecked())
        return;
    const QList<HueSwatchLineWidget *> all = trays();
    for (int t = 0; t < all.size(); ++t) {
        QStringList texts;
        for (int score : traySlice(scores, t))
            texts.append(QString::number(score));
        all.at(t)->setScores(texts);
    }
}

void HueTestFormWidget::resetClicked()
{
    if (modeText != NewView)
        return;
    // Everything the reset clears comes back with Undo, not only the trays.
    const Contents before = contents();
    history->push(new EntryCommand(
        tr("Reset Test"), [this, before] { restore(before); }, [this] { clearForm(); }, false));
}

void HueTestFormWidget::typeCapNumbersClicked()
{
    auto *dialog = new CapNumbersDialog(arrangement(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        const QVector<int> before = arrangement();
        const QVector<int> typed = dialog->arrangement();
        if (typed.isEmpty() || typed == before)
            return;
        history->push(new EntryCommand(
            tr("Type Cap Numbers"), [this, before] { showArrangement(before); },
            [this, typed] { showArrangement(typed); }, false));
    });
    dialog->open();
}

void HueTestFormWidget::saveClicked()
{
    save();
}

void HueTestFormWidget::checkBoxClicked()
{
    if (ui->checkBox->isChecked()) {
        updateTileScores();
        return;
    }
    for (HueSwatchLineWidget *tray : trays())
        tray->clearScores();
}

void HueTestFormWidget::hueLine1Drag()
{
    ui->HueLine2->setAcceptDrops(false);
    ui->HueLine3->setAcceptDrops(false);
    ui->HueLine4->setAcceptDrops(false);
}

void HueTestFormWidget::removeDragIcons()
{
    for (HueSwatchLineWidget *tray : trays())
        tray->removeSelectedIcons();
}

void HueTestFormWidget::firstChanged()
{
    copyOperations::instance()->setSelectedText(ui->firstName->selectedText());
}
void HueTestFormWidget::middleChanged()
{
    copyOperations::instance()->setSelectedText(ui->middleName->selectedText());
}
void HueTestFormWidget::lastChanged()
{
    copyOperations::instance()->setSelectedText(ui->lastName->selectedText());
}
void HueTestFormWidget::DOBChanged()
{
    copyOperations::instance()->setSelectedText(ui->dob->selectedText());
}
void HueTestFormWidget::refChanged()
{
    copyOperations::instance()->setSelectedText(ui->referenceNumber->selectedText());
}
void HueTestFormWidget::dateChanged()
{
    copyOperations::instance()->setSelectedText(ui->testDate->selectedText());
}
void HueTestFormWidget::timeChanged()
{
    copyOperations::instance()->setSelectedText(ui->time->selectedText());
}
void HueTestFormWidget::genderChanged()
{
    copyOperations::instance()->setSelectedText(ui->gender->selectedText());
}
void HueTestFormWidget::commentsChanged()
{
    copyOperations::instance()->setSelectedText(ui->comments->textCursor().selectedText());
}
void HueTestFormWidget::illuminationChanged()
{
    copyOperations::instance()->setSelectedText(ui->illuminationCombo->currentText());
}
void HueTestFormWidget::jobChanged()
{
    copyOperations::instance()->setSelectedText(ui->jobCombo->currentText());
}
void HueTestFormWidget::industryChanged()
{
    copyOperations::instance()->setSelectedText(ui->industryCombo->currentText());
}
void HueTestFormWidget::locationChanged()
{
    copyOperations::instance()->setSelectedText(ui->locationCombo->currentText());
}
void HueTestFormWidget::serialChanged()
{
    copyOperations::instance()->setSelectedText(ui->serialCombo->currentText());
}
void HueTestFormWidget::experienceChanged()
{
    copyOperations::instance()->setSelectedText(ui->experienceCombo->currentText());
}

void HueTestFormWidget::focusChanged(QWidget * /*old*/, QWidget * /*now*/)
{
    // A focus outside this form leaves the target as it was, on either form.
    QLineEdit *const lineEdits[] = {ui->firstName,       ui->middleName, ui->lastName, ui->dob,
                                    ui->referenceNumber, ui->testDate,   ui->time};
    for (QLineEdit *edit : lineEdits) {
        if (edit->hasFocus()) {
            copyOperations::instance()->setLineEdit(edit);
            return;
        }
    }
    if (ui->comments->hasFocus())
        copyOperations::instance()->setPlainTextEdit(ui->comments);
    else if (ui->gender->hasFocus())
        copyOperations::instance()->setLineEdit(ui->gender);
}
