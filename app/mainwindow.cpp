#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "copyoperations.h"
#include "csvfile.h"
#include "database.h"
#include "filedialogs.h"
#include "legacyimport.h"
#include "messageboxes.h"
#include "preferences.h"
#include "recordsearch.h"
#include "reportdocument.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QIcon>
#include <QLabel>
#include <QLibraryInfo>
#include <QMap>
#include <QMessageBox>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QResizeEvent>
#include <QStatusBar>
#include <QSvgGenerator>
#include <QTranslator>
#include <QUndoGroup>
#include <QUndoStack>
#include <QUrl>

namespace {

enum Page
{
    NewPage = 0,
    ViewPage = 1,
    AnalysisPage = 2,
    DatabasePage = 3
};

struct PageIcons
{
    const char *plain;
    const char *selected;
};

constexpr PageIcons Icons[] = {
    {":/Images/add.png", ":/Images/add-selected.png"},
    {":/Images/view.png", ":/Images/view-selected.png"},
    {":/Images/analysis.png", ":/Images/analysis-selected.png"},
    {":/Images/database.png", ":/Images/database-selected.png"},
};

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), pageButtons(new QButtonGroup(this)),
      clipboard(QApplication::clipboard()), prefsDialog(new preferences),
      printer(new QPrinter(QPrinter::ScreenResolution)), translator(new QTranslator(this)),
      qtTranslator(new QTranslator(this)), histories(new QUndoGroup(this)),
      undoAction(new QAction(this)), redoAction(new QAction(this))
{
    ui->setupUi(this);
    ui->menuBar->setGeometry(0, 0, 950, 20);
    ui->NewButton->setChecked(true);

    pageButtons->setExclusive(true);
    for (QPushButton *b : {ui->NewButton, ui->ViewButton, ui->AnalysisButton, ui->DatabaseButton})
        pageButtons->addButton(b);

    connect(ui->NewButton, &QPushButton::clicked, this, &MainWindow::newClicked);
    connect(ui->ViewButton, &QPushButton::clicked, this, &MainWindow::viewArrangeClicked);
    connect(ui->AnalysisButton, &QPushButton::clicked, this, &MainWindow::analysisClicked);
    connect(ui->DatabaseButton, &QPushButton::clicked, this, &MainWindow::databaseClicked);
    connect(ui->PrintButton, &QPushButton::clicked, this, &MainWindow::printClicked);
    connect(ui->HelpButton, &QPushButton::clicked, this, &MainWindow::helpClicked);

    const QList<QPair<QAction *, void (MainWindow::*)()>> commands = {
        {ui->actionPreferences, &MainWindow::preferencesClicked},
        {ui->actionNew, &MainWindow::newDatabaseSelected},
        {ui->actionOpen, &MainWindow::openDatabaseSelected},
        {ui->actionSave_As, &MainWindow::saveDatabase},
        {ui->actionVK100_Database_Version_1_HDB, &MainWindow::importHDB},
        {ui->actionVK100_Database_Version_2_VKT, &MainWindow::importVKT},
        {ui->actionComma_Separated_Values_CSV, &MainWindow::importCSV},
        {ui->actionSelected_Records_as_PDF, &MainWindow::exportPDF},
        {ui->actionSelected_Records_as_CSV, &MainWindow::exportCSV},
        {ui->actionPage_Setup, &MainWindow::pageSetupClicked},
        {ui->actionPrint, &MainWindow::printClicked},
        {ui->actionPrint_Preview, &MainWindow::printPreviewClicked},
        {ui->actionExit, &MainWindow::exitClicked},
        {ui->actionCut, &MainWindow::cut},
        {ui->actionCopy, &MainWindow::copy},
        {ui->actionPaste, &MainWindow::paste},
        {ui->actionClear, &MainWindow::clear},
        {ui->actionSelect_All, &MainWindow::selectAll},
        {ui->actionCopy_Name_and_Analysis, &MainWindow::copyNameAndAnalysis},
        {ui->actionCopy_Graph, &MainWindow::copyGraph},
        {ui->actionData_Entry_Screen, &MainWindow::dataEntryScreenSelected},
        {ui->actionDatabase, &MainWindow::databaseViewSelected},
        {ui->actionPolar_Graph, &MainWindow::polarViewSelected},
        {ui->actionLinear_Graph, &MainWindow::linearViewSelected},
        {ui->actionAbout_Application, &MainWindow::aboutClicked},
        {ui->actionContents, &MainWindow::helpClicked},
    };
    for (const auto &command : commands)
        connect(command.first, &QAction::triggered, this, command.second);
    connect(ui->actionAboutQt, &QAction::triggered, qApp, &QApplication::aboutQt);
    addUndoCommands();

    connect(prefsDialog.get(), &preferences::updateTestFormDefaultsSignal, this,
            &MainWindow::setTestFormDefaults);
    connect(prefsDialog.get(), &preferences::updateAnalysisOptionsSignal, this,
            &MainWindow::setAnalysisOptions);
    connect(prefsDialog.get(), &preferences::updateScoringSignal, this, &MainWindow::setScoring);
    connect(this, &MainWindow::windowResizeSignal, this, &MainWindow::windowResized);
    connect(ui->viewHueTestWidget, &HueTestFormWidget::updatedInfo, this, &MainWindow::viewUpdate);
    connect(ui->databaseWidget, &DatabaseFormWidget::updateAnalysis, this,
            &MainWindow::updateAnalysis);
    connect(ui->newHueTestWidget, &HueTestFormWidget::savedNewTest, this,
            &MainWindow::newTestSavedSlot);
    connect(ui->databaseWidget, &DatabaseFormWidget::testSelected, this, &MainWindow::testSelected);
    connect(ui->databaseWidget, &DatabaseFormWidget::statusMessage, this, &MainWindow::showStatus);
    ui->databaseWidget->setBoxes(
        [this](const QString &title, const QString &text) {
            MessageBoxes::Box box;
            box.icon = QMessageBox::Question;
            box.title = title;
            box.text = text;
            box.buttons = QMessageBox::Yes | QMessageBox::No;
            box.defaultButton = QMessageBox::No;
            return MessageBoxes::show(this, box) == QMessageBox::Yes;
        },
        [this](const QString &title, const QString &text) {
            MessageBoxes::warning(this, title, text);
        });

    ui->newHueTestWidget->setMode(QStringLiteral("newView"));
    ui->newHueTestWidget->setSaveButtonText(tr("Save"));
    ui->viewHueTestWidget->setMode(QStringLiteral("viewView"));
    ui->viewHueTestWidget->setSaveButtonText(tr("Update"));
    ui->viewHueTestWidget->disableSubjectFields();

    ui->stackedWidget->setCurrentIndex(NewPage);
    setTestFormDefaults();
    setAnalysisOptions();
    setScoring();

    setButtonIcons(NewPage);
    ui->PrintButton->setIcon(QIcon(QStringLiteral(":/Images/print.png")));
    ui->HelpButton->setIcon(QIcon(QStringLiteral(":/Images/help.png")));

    // Settings, language and records all come from the file: it must be readable first.
    askForUsableDatabase();
    connect(database::instance(), &database::fileReplaced, this,
            &MainWindow::offerReopeningReplacedFile, Qt::QueuedConnection);

    langCode = QStringLiteral("en");
    QApplication::installTranslator(translator);
    prefsDialog->setLanguageCodeTarget(&langCode);
    prefsDialog->initPreferences();
    prefsDialog->loadSettings();

    setTestFormDefaults(); // also hands both entry pages the serial numbers
    // The switches read before loadSettings() were the defaults: hand over the stored ones.
    setAnalysisOptions();
    loadLanguage();
    ui->newHueTestWidget->resetForm();
    setScoring();

    connect(prefsDialog.get(), &preferences::langChanged, this, &MainWindow::loadLanguage);
}

MainWindow::~MainWindow()
{
    // The dialog writes into langCode, a member declared after it: it goes first.
    prefsDialog.reset();
}

// --- language -----------------------------------------------------------------

void MainWindow::loadLanguage()
{
    QApplication::removeTranslator(translator);
    const QString file = QLatin1String("qt_") + langCode + QLatin1String(".qm");
    // English is the source language: it runs with no translator at all.
    if (file != QLatin1String("qt_en.qm") &&
        translator->load(file, QStringLiteral(":/translations")))
        QApplication::installTranslator(translator);

    // The standard Save, Discard and Cancel buttons and Qt's dialogs speak the same language.
    QApplication::removeTranslator(qtTranslator);
    if (langCode != QLatin1String("en") &&
        qtTranslator->load(qtTranslationName(langCode),
                           QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTranslator);

    ui->retranslateUi(this);
    updateTitle();
    undoAction->setText(tr("Undo"));
    redoAction->setText(tr("Redo"));
    ui->newHueTestWidget->retranslateForm();
    ui->viewHueTestWidget->retranslateForm();
    ui->newHueTestWidget->setSaveButtonText(tr("Save"));
    ui->viewHueTestWidget->setSaveButtonText(tr("Update"));
    ui->databaseWidget->retranslate();
    ui->analysisWidget->retranslate();
    prefsDialog->retranslate();
}

void MainWindow::updateTitle()
{
    // Which file the examiner works in, before the program's name.
    setWindowTitle(QFileInfo(database::instance()->path()).fileName() + QStringLiteral(" \u2014 ") +
                   tr("Veskora Scoring Software"));
}

QString MainWindow::qtTranslationName(const QString &languageCode)
{
    static const QMap<QString, QString> qtNames = {
        {QStringLiteral("zh_Hans"), QStringLiteral("zh_CN")},
        {QStringLiteral("zh_Hant"), QStringLiteral("zh_TW")},
        {QStringLiteral("pt"), QStringLiteral("pt_BR")},
    };
    return QLatin1String("qtbase_") + qtNames.value(languageCode, languageCode);
}

// --- pages ------------------------------------------------------------------------

void MainWindow::addUndoCommands()
{
    histories->addStack(ui->newHueTestWidget->undoStack());
    histories->addStack(ui->viewHueTestWidget->undoStack());
    undoAction->setObjectName(QStringLiteral("actionUndo"));
    redoAction->setObjectName(QStringLiteral("actionRedo"));
    undoAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    redoAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    undoAction->setEnabled(false);
    redoAction->setEnabled(false);
    ui->menuEdit->addSeparator();
    ui->menuEdit->addAction(undoAction);
    ui->menuEdit->addAction(redoAction);
    connect(undoAction, &QAction::triggered, histories, &QUndoGroup::undo);
    connect(redoAction, &QAction::triggered, histories, &QUndoGroup::redo);
    connect(histories, &QUndoGroup::canUndoChanged, undoAction, &QAction::setEnabled);
    connect(histories, &QUndoGroup::canRedoChanged, redoAction, &QAction::setEnabled);
    // Whatever shows the page (a button, a menu, a saved or chosen test), its history follows.
    connect(ui->stackedWidget, &QStackedWidget::currentChanged, this,
            &MainWindow::followPageWithHistory);
    followPageWithHistory(ui->stackedWidget->currentIndex());
}

void MainWindow::followPageWithHistory(int page)
{
    if (page == NewPage)
        histories->setActiveStack(ui->newHueTestWidget->undoStack());
    else if (page == ViewPage)
        histories->setActiveStack(ui->viewHueTestWidget->undoStack());
    else
        histories->setActiveStack(nullptr);
}

QPushButton *MainWindow::pageButton(int page) const
{
    QPushButton *const buttons[] = {ui->NewButton, ui->ViewButton, ui->AnalysisButton,
                                    ui->DatabaseButton};
    return buttons[page];
}

void MainWindow::setButtonIcons(int page)
{
    for (int i = 0; i < 4; ++i)
        pageButton(i)->setIcon(
            QIcon(QLatin1String(i == page ? Icons[i].selected : Icons[i].plain)));
}

void MainWindow::nudgePage(int page)
{
    // One pixel narrower, then one wider: the page lays itself out for the window again.
    for (int delta : {-1, 1}) {
        if (page == NewPage)
            ui->newHueTestWidget->resizeTrays(width() + delta);
        else if (page == ViewPage)
            ui->viewHueTestWidget->resizeTrays(width() + delta);
        else if (page == AnalysisPage)
            ui->analysisWidget->resizeCharts(width() + delta, height());
    }
}

void MainWindow::showPage(int page)
{
    ui->stackedWidget->setCurrentIndex(page);
    // A save from the unsaved-changes prompt may have shown another page meanwhile.
    pageButton(page)->setChecked(true);
    setButtonIcons(page);
    if (page == DatabasePage)
        ui->databaseWidget->displaySearchResults();
    else
        nudgePage(page);
}

bool MainWindow::unsavedChangesAllowLeaving(int page)
{
    if (ui->stackedWidget->currentIndex() != page)
        return true;
    HueTestFormWidget *form = page == NewPage ? ui->newHueTestWidget : ui->viewHueTestWidget;
    if (!form->isChanged())
        return true;

    MessageBoxes::Box box;
    box.title = tr("Unsaved Changes");
    box.text = tr("There are unsaved changes.");
    box.informativeText = tr("Do you want to save your changes?");
    box.buttons = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    box.defaultButton = QMessageBox::Save;
    switch (MessageBoxes::show(this, box)) {
    case QMessageBox::Save:
        // The page's own save; it tells the examiner why when nothing could be stored.
        if (!form->save())
            return false;
        form->resetForm();
        return true;
    case QMessageBox::Discard:
        form->resetForm();
        return true;
    default:
        return false;
    }
}

void MainWindow::newClicked()
{
    // Leaving the view page asks too: its moves would be lost at the next selection.
    const bool newOk = unsavedChangesAllowLeaving(NewPage);
    if (!newOk || !unsavedChangesAllowLeaving(ViewPage)) {
        (newOk ? ui->ViewButton : ui->NewButton)->setChecked(true);
        return;
    }
    showPage(NewPage);
}

void MainWindow::viewArrangeClicked()
{
    if (!unsavedChangesAllowLeaving(ViewPage)) {
        ui->ViewButton->setChecked(true);
        return;
    }
    showPage(ViewPage);
}

void MainWindow::analysisClicked()
{
    const bool newOk = unsavedChangesAllowLeaving(NewPage);
    const bool viewOk = unsavedChangesAllowLeaving(ViewPage);
    if (!newOk || !viewOk) {
        (!newOk ? ui->NewButton : ui->ViewButton)->setChecked(true);
        return;
    }
    showPage(AnalysisPage);
}

void MainWindow::databaseClicked()
{
    const bool newOk = unsavedChangesAllowLeaving(NewPage);
    const bool viewOk = unsavedChangesAllowLeaving(ViewPage);
    if (!newOk || !viewOk) {
        (!newOk ? ui->NewButton : ui->ViewButton)->setChecked(true);
        return;
    }
    showPage(DatabasePage);
}

void MainWindow::databaseViewSelected()
{
    ui->DatabaseButton->setChecked(true);
    databaseClicked();
}

void MainWindow::dataEntryScreenSelected()
{
    // The menu entry leads to the view/arrange page, not to the new-test page.
    ui->ViewButton->setChecked(true);
    viewArrangeClicked();
}

void MainWindow::polarViewSelected()
{
    ui->analysisWidget->setGraphStyle(QStringLiteral("polar"));
    ui->AnalysisButton->setChecked(true);
    analysisClicked();
}

void MainWindow::linearViewSelected()
{
    ui->analysisWidget->setGraphStyle(QStringLiteral("linear"));
    ui->AnalysisButton->setChecked(true);
    analysisClicked();
}

// --- records between pages ---------------------------------------------------------

void MainWindow::handOverToAnalysis(QList<databaseEntry> list)
{
    ui->analysisWidget->setCurrentTest(list.constFirst());
    list.removeFirst();
    ui->analysisWidget->setOtherTests(list);
    analysedOthers = list;
}

void MainWindow::testSelected(const QList<databaseEntry> &list)
{
    if (list.isEmpty())
        return;
    // constFirst(): a shared list of thousands of tests is not copied to read one.
    ui->viewHueTestWidget->showEntry(list.constFirst());
    handOverToAnalysis(list);
    ui->stackedWidget->setCurrentIndex(AnalysisPage);
    ui->DatabaseButton->setChecked(false);
    ui->AnalysisButton->setChecked(true);
    analysisClicked();
}

void MainWindow::updateAnalysis(const QList<databaseEntry> &list)
{
    if (list.isEmpty())
        return;
    handOverToAnalysis(list);
}

void MainWindow::viewUpdate(databaseEntry record)
{
    // The browser re-sends its own last selection, which need not be the one the
    // analysis page shows (a test saved on the new-test page is shown alone).
    const QList<databaseEntry> others = analysedOthers;
    ui->databaseWidget->viewUpdated();
    record.scores = database::instance()->getScores(record.testID);
    // The edited test as stored replaces the current one; the others stay as they were.
    ui->analysisWidget->setCurrentTest(record);
    ui->analysisWidget->setOtherTests(others);
    analysedOthers = others;
    showStatus(tr("The test of %1 %2 was updated.").arg(record.first, record.last));
}

void MainWindow::newTestSavedSlot()
{
    database *store = database::instance();
    // The test just stored, by its id: not every test of the file to take the last.
    bool stored = false;
    databaseEntry newest = RecordSearch::testById(store, store->lastStoredTestId(), &stored);
    if (!stored)
        return;
    newest.tes = database::calcTES(newest.scores);
    ui->viewHueTestWidget->showEntry(newest);
    ui->analysisWidget->setCurrentTest(newest);
    analysedOthers.clear();
    showStatus(tr("The test of %1 %2 was saved.").arg(newest.first, newest.last));
    ui->stackedWidget->setCurrentIndex(ViewPage);
    ui->NewButton->setChecked(false);
    ui->ViewButton->setChecked(true);
    viewArrangeClicked();
}

// --- settings ---------------------------------------------------------------------

void MainWindow::setTestFormDefaults()
{
    ui->newHueTestWidget->setFormDefaults(prefsDialog->getFormDefaults());
    const QStringList serials = prefsDialog->getSerialNumbers();
    ui->newHueTestWidget->setSerialNumbers(serials);
    ui->viewHueTestWidget->setSerialNumbers(serials);
}

void MainWindow::setAnalysisOptions()
{
    ui->analysisWidget->setAnalysisSwitches(prefsDialog->getAnalysisOptions());
}

void MainWindow::setScoring()
{
    ui->analysisWidget->setScoreMode(prefsDialog->getScoringMode() != QLatin1String("Standard"));
}

void MainWindow::preferencesClicked()
{
    prefsDialog->exec();
}

// --- window events ----------------------------------------------------------------

void MainWindow::windowResized()
{
    ui->newHueTestWidget->resizeTrays(width());
    ui->viewHueTestWidget->resizeTrays(width());
    ui->analysisWidget->resizeCharts(width(), height());
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    emit windowResizeSignal();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // One pixel each way and back makes the pages lay themselves out for the real
    // size; the window keeps the size it had (it grew by a pixel at every show).
    const QSize given = size();
    resize(given + QSize(1, 1));
    resize(given);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing the window must not drop a test the examiner has not saved.
    if (unsavedChangesAllowLeaving(NewPage) && unsavedChangesAllowLeaving(ViewPage))
        event->accept();
    else
        event->ignore();
}

void MainWindow::exitClicked()
{
    if (close())
        QApplication::exit(0);
}

// --- edit menu --------------------------------------------------------------------

void MainWindow::copy()
{
    copyOperations::instance()->copy();
}
void MainWindow::cut()
{
    copyOperations::instance()->cut();
}
void MainWindow::paste()
{
    copyOperations::instance()->paste();
}
void MainWindow::clear()
{
    copyOperations::instance()->clear();
}
void MainWindow::selectAll()
{
    copyOperations::instance()->selectAll();
}

void MainWindow::copyGraph()
{
    QGraphicsScene *scene = ui->analysisWidget->isPolarSelected()
                                ? ui->analysisWidget->polarScene()
                                : ui->analysisWidget->linearScene();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(200, 200));
    svg.setViewBox(QRect(0, 0, 200, 200));
    {
        QPainter painter(&svg);
        if (scene)
            scene->render(&painter, QRectF(0, 0, 200, 200), scene->sceneRect(),
                          Qt::KeepAspectRatio);
    }
    auto *mime = new QMimeData;
    mime->setData(QStringLiteral("image/svg+xml"), buffer.data());
    clipboard->setMimeData(mime); // the clipboard owns it from here
}

void MainWindow::copyNameAndAnalysis()
{
    clipboard->setText(ui->analysisWidget->nameAndAnalysisText());
}

// --- report -----------------------------------------------------------------------

void MainWindow::refreshFooterImage()
{
    footerImagePath = prefsDialog->getFooterImgPath();
    hasFooterImage = !footerImagePath.isEmpty();
}

ReportDocument MainWindow::reportDocument(AnalysisFormWidget *analysis)
{
    refreshFooterImage();
    return ReportDocument(analysis, {footerImagePath, prefsDialog->getFooterText()});
}

void MainWindow::printClicked()
{
    QPrintDialog dialog(printer.get(), nullptr);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(printer.get())) {
        reportFailure(tr("Print"), tr("The printer could not be started."));
        return;
    }
    const QSizeF page = printer->pageLayout().paintRectPixels(printer->resolution()).size();
    const ReportDocument document = reportDocument(ui->analysisWidget);
    document.print(painter, page);
    painter.end();
    reportLogoProblem(document.footerLogoProblem());
}

void MainWindow::reportLogoProblem(const QString &problem)
{
    // Once per logo path: every further report of the same file would only repeat it.
    if (problem.isEmpty() || footerImagePath == reportedLogoPath)
        return;
    reportedLogoPath = footerImagePath;
    reportFailure(tr("Footer Logo"),
                  tr("The report was made without its footer logo: %1").arg(problem));
}

void MainWindow::printPreviewClicked()
{
    QPrintPreviewDialog preview(printer.get(), this);
    preview.setObjectName(QStringLiteral("printPreview"));
    QString logoProblem;
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &logoProblem](QPrinter *target) {
                QPainter painter(target);
                const QSizeF page =
                    target->pageLayout().paintRectPixels(target->resolution()).size();
                const ReportDocument document = reportDocument(ui->analysisWidget);
                document.print(painter, page);
                logoProblem = document.footerLogoProblem();
            });
    preview.exec();
    // Told once the preview is closed: a message over the preview would hide it.
    reportLogoProblem(logoProblem);
}

bool MainWindow::writeReportPdf(const QString &fileName)
{
    QString error;
    const ReportDocument document = reportDocument(ui->analysisWidget);
    const bool written = document.writePdf(fileName, &error);
    reportLogoProblem(document.footerLogoProblem());
    return written;
}

bool MainWindow::writeReportsPdf(const QString &fileName, const QList<databaseEntry> &tests,
                                 bool *cancelled, QString *error, QString *logoProblem)
{
    // A page of its own for the pages, so the analysis page keeps what it shows.
    AnalysisFormWidget sheet;
    ReportDocument::prepare(sheet, prefsDialog->getScoringMode() != QLatin1String("Standard"),
                            prefsDialog->getAnalysisOptions());
    constexpr int FewPages = 3;
    std::unique_ptr<QProgressDialog> dialog;
    if (tests.size() > FewPages) {
        dialog = std::make_unique<QProgressDialog>(tr("Writing the reports..."), tr("Cancel"), 0,
                                                   int(tests.size()), this);
        dialog->setObjectName(QStringLiteral("pdfProgress"));
        dialog->setWindowTitle(tr("Export PDF"));
        dialog->setWindowModality(Qt::WindowModal);
        dialog->setMinimumDuration(0);
        dialog->setValue(0);
    }
    const ReportDocument::Progress progress = [&dialog](int done) {
        if (!dialog)
            return true;
        dialog->setValue(done);
        return !dialog->wasCanceled();
    };
    const ReportDocument document = reportDocument(&sheet);
    const bool written = document.writePdf(fileName, tests, progress, cancelled, error);
    *logoProblem = document.footerLogoProblem();
    return written;
}

void MainWindow::exportPDF()
{
    const QString chosen = FileDialogs::saveFileName(this, tr("Save File"));
    if (chosen.isEmpty())
        return;
    const QString fileName = FileDialogs::withExtension(chosen, QStringLiteral(".pdf"));
    // The tests chosen on the database page, one page each; with none, the analysis
    // page as it stands.
    const QList<databaseEntry> tests = ui->databaseWidget->selectedTests();
    QString error;
    bool cancelled = false;
    QString logoProblem;
    bool written = false;
    if (tests.isEmpty()) {
        const ReportDocument document = reportDocument(ui->analysisWidget);
        written = document.writePdf(fileName, &error);
        logoProblem = document.footerLogoProblem();
    } else {
        written = writeReportsPdf(fileName, tests, &cancelled, &error, &logoProblem);
    }
    if (cancelled) {
        showStatus(tr("The export was cancelled; nothing was written."));
        return;
    }
    if (!written) {
        reportFailure(tr("Export PDF"), tr("The file %1 could not be written.").arg(fileName));
        return;
    }
    reportLogoProblem(logoProblem);
    const QString shown = QDir::toNativeSeparators(fileName);
    showStatus(tests.size() > 1
                   ? tr("%n report(s) were written to %1.", nullptr, int(tests.size())).arg(shown)
                   : tr("The report was written to %1.").arg(shown));
}

// --- exchange ---------------------------------------------------------------------

void MainWindow::exportCSV()
{
    const QString chosen = FileDialogs::saveFileName(this, tr("Save File"));
    if (chosen.isEmpty())
        return; // a cancelled dialog writes nothing
    const CsvFile::WriteResult result = ui->databaseWidget->exportCsv(chosen);
    if (!result.ok) {
        reportFailure(tr("Export CSV"), result.error);
        return;
    }
    showStatus(tr("The selected tests were written to %1.")
                   .arg(QDir::toNativeSeparators(result.fileName)));
}

void MainWindow::showImported(int tests, int capSets, const QString &refused)
{
    QStringList parts;
    if (tests == 0 && capSets == 0)
        parts.append(tr("Nothing was imported"));
    else
        parts.append(tr("%n test(s) imported", nullptr, tests));
    if (capSets > 0)
        parts.append(tr("%n cap set(s) added", nullptr, capSets));
    if (!refused.isEmpty())
        parts.append(refused);
    showStatus(parts.join(QStringLiteral("; ")) + QLatin1Char('.'));
}

void MainWindow::importCSV()
{
    // Space-separated patterns: a comma would become part of the first pattern.
    const QString name =
        FileDialogs::openFileName(nullptr, QString(), tr("Text files (*.txt *.csv)"));
    if (name.isEmpty())
        return;
    const CsvFile::ImportResult result = CsvFile::importFile(name);
    // Lines that are no test are reported even when the rest went in.
    if (!result.error.isEmpty())
        reportFailure(tr("Import CSV"), result.error);
    else if (result.imported == 0)
        reportFailure(tr("Import CSV"), tr("The file %1 holds no test; nothing was imported.")
                                            .arg(QDir::toNativeSeparators(name)));
    showImported(result.ok ? result.imported : 0, 0,
                 result.skipped > 0 ? tr("%n line(s) refused", nullptr, result.skipped)
                                    : QString());
    ui->databaseWidget->displaySearchResults();
}

void MainWindow::importHDB()
{
    const QString name = FileDialogs::openFileName(nullptr, QString(), QStringLiteral("*.hdb"));
    if (name.isEmpty())
        return;
    const LegacyImport::Result result = LegacyImport::importHDB(name);
    if (!result.ok)
        reportFailure(tr("Import HDB"), result.error);
    if (result.capSets > 0) {
        prefsDialog->refreshCapSets();
        setTestFormDefaults();
    }
    showImported(result.tests, result.capSets,
                 result.skipped > 0 ? tr("%n place(s) of the file held no readable record", nullptr,
                                         result.skipped)
                                    : QString());
    ui->databaseWidget->displaySearchResults();
}

void MainWindow::importVKT()
{
    const QString name = FileDialogs::openFileName(nullptr, QString(), QStringLiteral("*.vkt"));
    if (name.isEmpty())
        return;
    const LegacyImport::Result result = LegacyImport::importVKT(name);
    if (!result.ok) {
        reportFailure(tr("Import VKT"), result.error);
        showImported(0, 0, QString());
        return;
    }
    // The file's cap sets belong in the register and in both serial lists at once.
    prefsDialog->refreshCapSets();
    setTestFormDefaults();
    showImported(result.tests, result.capSets, QString());
    ui->databaseWidget->displaySearchResults();
}

// --- database files ---------------------------------------------------------------

void MainWindow::reportFailure(const QString &title, const QString &text)
{
    MessageBoxes::warning(this, title, text);
}

void MainWindow::showStatus(const QString &message)
{
    // Long enough to be read after a dialog closes; the next message replaces it.
    ui->statusBar->showMessage(message, 15000);
}

void MainWindow::askForUsableDatabase()
{
    database *store = database::instance();
    while (!store->isUsable()) {
        MessageBoxes::Box box;
        box.icon = QMessageBox::Warning;
        box.title = tr("Database File");
        box.text = tr("The database file %1 could not be opened: no test can be read or "
                      "stored, and the settings shown are not those of the file.")
                       .arg(QDir::toNativeSeparators(store->path()));
        box.informativeText =
            store->lastError() + QLatin1String("\n\n") +
            tr("Retry when the other program has finished with the file, or open another "
               "database file.");
        box.buttons = QMessageBox::Retry | QMessageBox::Open | QMessageBox::Cancel;
        box.defaultButton = QMessageBox::Retry;
        const QMessageBox::StandardButton answer = MessageBoxes::show(this, box);
        if (answer == QMessageBox::Retry) {
            store->initDatabase();
        } else if (answer == QMessageBox::Open) {
            const QString name = FileDialogs::openFileName(this);
            if (!name.isEmpty())
                store->openDatabase(name);
        } else {
            return;
        }
    }
}

void MainWindow::offerReopeningReplacedFile()
{
    database *store = database::instance();
    MessageBoxes::Box box;
    box.icon = QMessageBox::Warning;
    box.title = tr("Database File");
    box.text = tr("Another program replaced or removed the database file %1 while it was open "
                  "here, so nothing more can be stored in it.")
                   .arg(QDir::toNativeSeparators(store->path()));
    box.informativeText = tr("Open the file as it is now?");
    box.buttons = QMessageBox::Yes | QMessageBox::No;
    box.defaultButton = QMessageBox::Yes;
    if (MessageBoxes::show(this, box) != QMessageBox::Yes)
        return;
    if (store->openDatabase(store->path()))
        databaseFileChanged();
    else
        reportFailure(tr("Open Database"), store->lastError());
}

bool MainWindow::allowSwitchingFiles()
{
    return unsavedChangesAllowLeaving(NewPage) && unsavedChangesAllowLeaving(ViewPage);
}

void MainWindow::databaseFileChanged()
{
    // Test ids and the settings belong to the file: nothing of the old one may act on the new.
    ui->databaseWidget->forgetSelection();
    ui->viewHueTestWidget->resetForm();
    prefsDialog->loadSettings();
    setTestFormDefaults();
    // A blank new test starts from the new file's defaults and cap sets; one the
    // examiner has begun keeps what was entered.
    if (!ui->newHueTestWidget->isChanged())
        ui->newHueTestWidget->resetForm();
    setAnalysisOptions();
    setScoring();
    loadLanguage();
    ui->databaseWidget->displaySearchResults();
}

void MainWindow::newDatabaseSelected()
{
    if (!allowSwitchingFiles())
        return;
    const QString name = FileDialogs::saveFileName(nullptr);
    if (name.isEmpty())
        return;
    database *store = database::instance();
    if (store->newDatabase(FileDialogs::withExtension(name, QStringLiteral(".sqlite"))))
        databaseFileChanged();
    else
        reportFailure(tr("New Database"), store->lastError());
}

void MainWindow::openDatabaseSelected()
{
    if (!allowSwitchingFiles())
        return;
    const QString name = FileDialogs::openFileName(nullptr);
    if (name.isEmpty())
        return;
    database *store = database::instance();
    if (store->openDatabase(name))
        databaseFileChanged();
    else
        reportFailure(tr("Open Database"), store->lastError());
    ui->databaseWidget->displaySearchResults();
}

void MainWindow::saveDatabase()
{
    if (!allowSwitchingFiles())
        return;
    const QString name = FileDialogs::saveFileName(nullptr);
    if (name.isEmpty())
        return;
    database *store = database::instance();
    if (store->saveDatabaseAs(FileDialogs::withExtension(name, QStringLiteral(".sqlite"))))
        databaseFileChanged();
    else
        reportFailure(tr("Save Database As"), store->lastError());
}

void MainWindow::pageSetupClicked()
{
    QPageSetupDialog dialog(printer.get(), this);
    dialog.exec();
}

// --- help and about ---------------------------------------------------------------

QString MainWindow::helpAddress(const QString &appDir, const QString &languageCode)
{
    const QString folder = languageCode == QLatin1String("ja") ? QStringLiteral("Japanese")
                                                               : QStringLiteral("English");
    // fromLocalFile gives "file:///C:/..." on Windows and "file:///opt/..." on Unix, where
    // gluing "file:///" to an absolute path would make four slashes.
    return QUrl::fromLocalFile(appDir + QLatin1String("/Help/") + folder +
                               QLatin1String("/html/index.htm"))
        .toString();
}

void MainWindow::helpClicked()
{
    const QUrl address(helpAddress(QCoreApplication::applicationDirPath(), langCode),
                       QUrl::TolerantMode);
    const QString manual = QDir::toNativeSeparators(address.toLocalFile());
    // A browser would open on an error page, or nothing at all would happen.
    if (!QFileInfo(address.toLocalFile()).isFile()) {
        reportFailure(tr("Help"), tr("The manual is missing: %1 was not found. Installing the "
                                     "program again puts it back.")
                                      .arg(manual));
        return;
    }
    if (!QDesktopServices::openUrl(address))
        reportFailure(
            tr("Help"),
            tr("The manual %1 could not be shown: no program to open it was found.").arg(manual));
}

QPixmap MainWindow::aboutPicture()
{
    const int side = 500;
    QGraphicsScene scene(0, 0, side, side);
    scene.setBackgroundBrush(Qt::white);

    auto *title = new QLabel(tr("Veskora Test Scoring Software"));
    title->setAlignment(Qt::AlignCenter);
    title->setFont(QFont(QStringLiteral("times"), 10));
    title->setStyleSheet(QStringLiteral("background: white;"));
    title->setGeometry(0, 0, side, int(0.2 * side));
    scene.addWidget(title);

    const QPixmap image(QStringLiteral(":/Images/aboutImage.png"));
    QGraphicsPixmapItem *picture = scene.addPixmap(image);
    // Whole pixels, as the picture has always been placed.
    const int halfWidth = image.width() / 2;
    picture->setPos(0.5 * side - halfWidth, 0.2 * side);

    auto *credits = new QLabel(tr("Developed by the Veskora Scoring Team\n"
                                  "for examiners of colour discrimination.\n"
                                  "Version %1")
                                   .arg(QStringLiteral(VESKORA_VERSION)));
    credits->setAlignment(Qt::AlignCenter);
    credits->setWordWrap(true);
    credits->setFont(QFont(QStringLiteral("times"), 6));
    credits->setStyleSheet(QStringLiteral("background: white;"));
    credits->setGeometry(0, int(0.6 * side), side, int(0.4 * side));
    scene.addWidget(credits);

    QGraphicsView view(&scene);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setAlignment(Qt::AlignCenter);
    view.setBackgroundBrush(Qt::white);
    view.setFrameShape(QFrame::NoFrame);
    view.resize(side, side);
    return view.grab();
}

void MainWindow::aboutClicked()
{
    MessageBoxes::Box box;
    box.iconPixmap = aboutPicture();
    MessageBoxes::show(this, box);
}
