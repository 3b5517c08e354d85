#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "database.h"
#include "filedialogs.h"

#include <QAction>
#include <QDesktopServices>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QUrl>
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
      translator(new QTranslator(this)), printer(new QPrinter(QPrinter::ScreenResolution))
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
    connect(ui->actionNew, &QAction::triggered, this, &MainWindow::newDatabaseSelected);
    connect(ui->actionOpen, &QAction::triggered, this, &MainWindow::openDatabaseSelected);
    connect(ui->actionSave_As, &QAction::triggered, this, &MainWindow::saveDatabase);
    connect(ui->actionPage_Setup, &QAction::triggered, this, &MainWindow::pageSetupClicked);
    connect(ui->actionAbout_Application, &QAction::triggered, this, &MainWindow::aboutClicked);
    connect(ui->actionContents, &QAction::triggered, this, &MainWindow::helpClicked);
    connect(ui->HelpButton, &QPushButton::clicked, this, &MainWindow::helpClicked);
    connect(ui->actionAboutQt, &QAction::triggered, qApp, &QApplication::aboutQt);
    connect(this, &MainWindow::windowResizeSignal, this, &MainWindow::windowResized);

    // Commands whose pages and dialogs have not been built yet stay visibly off.
    for (QAction *a :
         {ui->actionPreferences, ui->actionVK100_Database_Version_1_HDB, ui->actionVK100_Database_Version_2_VKT,
          ui->actionComma_Separated_Values_CSV, ui->actionSelected_Records_as_PDF,
          ui->actionSelected_Records_as_CSV, ui->actionPrint,
          ui->actionCut, ui->actionCopy, ui->actionPaste, ui->actionClear,
          ui->actionSelect_All, ui->actionCopy_Name_and_Analysis, ui->actionCopy_Graph,
          ui->actionPolar_Graph, ui->actionLinear_Graph})
        a->setEnabled(false);
    ui->PrintButton->setEnabled(false);

    ui->stackedWidget->setCurrentIndex(NewPage);
    setButtonIcons(NewPage);
    ui->PrintButton->setIcon(QIcon(QStringLiteral(":/Images/print.png")));
    ui->HelpButton->setIcon(QIcon(QStringLiteral(":/Images/help.png")));

    langCode = QStringLiteral("en");
    qApp->installTranslator(translator);
    loadLanguage();
}

MainWindow::~MainWindow()
{
    delete printer;
    delete ui;
}

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

void MainWindow::reportFailure(const QString &title, const QString &text)
{
    QMessageBox::warning(this, title, text);
}

void MainWindow::newDatabaseSelected()
{
    const QString name = FileDialogs::saveFileName(nullptr);
    if (name.isEmpty())
        return;
    database *store = database::instance();
    if (!store->newDatabase(FileDialogs::withExtension(name, QStringLiteral(".sqlite"))))
        reportFailure(tr("New Database"), store->lastError());
}

void MainWindow::openDatabaseSelected()
{
    const QString name = FileDialogs::openFileName(nullptr);
    if (name.isEmpty())
        return;
    database *store = database::instance();
    if (!store->openDatabase(name))
        reportFailure(tr("Open Database"), store->lastError());
}

void MainWindow::saveDatabase()
{
    const QString name = FileDialogs::saveFileName(nullptr);
    if (name.isEmpty())
        return;
    database *store = database::instance();
    if (!store->saveDatabaseAs(FileDialogs::withExtension(name, QStringLiteral(".sqlite"))))
        reportFailure(tr("Save Database As"), store->lastError());
}

void MainWindow::pageSetupClicked()
{
    QPageSetupDialog dialog(printer, this);
    dialog.exec();
}

QString MainWindow::helpAddress(const QString &appDir, const QString &languageCode)
{
    const QString folder = languageCode == QLatin1String("ja") ? QStringLiteral("Japanese")
                                                               : QStringLiteral("English");
    // fromLocalFile gives "file:///C:/..." on Windows and "file:///opt/..." on Unix, where
    // gluing "file:///" to an absolute path would make four slashes.
    return QUrl::fromLocalFile(appDir + QLatin1String("/Help/") + folder
                               + QLatin1String("/html/index.htm"))
        .toString();
}

void MainWindow::helpClicked()
{
    QDesktopServices::openUrl(
        QUrl(helpAddress(QCoreApplication::applicationDirPath(), langCode), QUrl::TolerantMode));
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
    picture->setPos(0.5 * side - image.width() / 2, 0.2 * side);

    auto *credits = new QLabel(
        tr("Veskora Test Scoring Software\n"
           "Produced by the Veskora Scoring Team for examiners of colour discrimination.\n"
           "Version %1")
            .arg(QStringLiteral("4.0.7")));
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
    QMessageBox box(this);
    box.setIconPixmap(aboutPicture());
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}
