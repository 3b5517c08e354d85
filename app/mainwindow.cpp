#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QIcon>
#include <QResizeEvent>
#include <QTranslator>

namespace {

enum Page { NewPage = 0, ViewPage = 1, AnalysisPage = 2, DatabasePage = 3 };

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
      translator(new QTranslator(this))
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
    connect(ui->actionData_Entry_Screen, &QAction::triggered, this,
            &MainWindow::dataEntryScreenSelected);
    connect(ui->actionDatabase, &QAction::triggered, this, &MainWindow::databaseViewSelected);
    connect(ui->actionExit, &QAction::triggered, this, &MainWindow::exitClicked);
    connect(ui->actionAboutQt, &QAction::triggered, qApp, &QApplication::aboutQt);
    connect(this, &MainWindow::windowResizeSignal, this, &MainWindow::windowResized);

    // Commands whose pages and dialogs have not been built yet stay visibly off.
    for (QAction *a :
         {ui->actionPreferences, ui->actionNew, ui->actionOpen, ui->actionSave_As,
          ui->actionVK100_Database_Version_1_HDB, ui->actionVK100_Database_Version_2_VKT,
          ui->actionComma_Separated_Values_CSV, ui->actionSelected_Records_as_PDF,
          ui->actionSelected_Records_as_CSV, ui->actionPage_Setup, ui->actionPrint,
          ui->actionCut, ui->actionCopy, ui->actionPaste, ui->actionClear,
          ui->actionSelect_All, ui->actionCopy_Name_and_Analysis, ui->actionCopy_Graph,
          ui->actionPolar_Graph, ui->actionLinear_Graph, ui->actionAbout_Application,
          ui->actionContents})
        a->setEnabled(false);
    ui->PrintButton->setEnabled(false);
    ui->HelpButton->setEnabled(false);

    ui->stackedWidget->setCurrentIndex(NewPage);
    setButtonIcons(NewPage);
    ui->PrintButton->setIcon(QIcon(QStringLiteral(":/Images/print.png")));
    ui->HelpButton->setIcon(QIcon(QStringLiteral(":/Images/help.png")));

    langCode = QStringLiteral("en");
    qApp->installTranslator(translator);
    loadLanguage();
}

MainWindow::~MainWindow() { delete ui; }

void MainWindow::loadLanguage()
{
    qApp->removeTranslator(translator);
    const QString file = QLatin1String("qt_") + langCode + QLatin1String(".qm");
    // English is the source language: it runs with no translator at all.
    if (file != QLatin1String("qt_en.qm")
        && translator->load(file, QStringLiteral(":/translations")))
        qApp->installTranslator(translator);
    ui->retranslateUi(this);
}

void MainWindow::setButtonIcons(int page)
{
    QPushButton *const buttons[] = {ui->NewButton, ui->ViewButton, ui->AnalysisButton,
                                    ui->DatabaseButton};
    for (int i = 0; i < 4; ++i)
        buttons[i]->setIcon(QIcon(QLatin1String(i == page ? Icons[i].selected : Icons[i].plain)));
}

void MainWindow::nudgePage(int)
{
    // The pages lay themselves out for the window's size once they exist.
}

void MainWindow::showPage(int page)
{
    ui->stackedWidget->setCurrentIndex(page);
    setButtonIcons(page);
    nudgePage(page);
}

void MainWindow::newClicked() { showPage(NewPage); }

void MainWindow::viewArrangeClicked() { showPage(ViewPage); }

void MainWindow::analysisClicked() { showPage(AnalysisPage); }

void MainWindow::databaseClicked() { showPage(DatabasePage); }

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

void MainWindow::exitClicked() { QApplication::exit(0); }

void MainWindow::windowResized() {}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    emit windowResizeSignal();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // One pixel each way makes the pages lay themselves out for the real size.
    resize(width() + 1, height() + 1);
}
