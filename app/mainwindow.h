#pragma once

#include "databaseentry.h"
#include "reportdocument.h"

#include <QList>
#include <QMainWindow>
#include <QString>
#include <memory>

class QButtonGroup;
class QClipboard;
class AnalysisFormWidget;
class QPrinter;
class QPushButton;
class QTranslator;
class QUndoGroup;
class preferences;

namespace Ui {
class MainWindow;
}

// The program's one window: the row of page buttons, the four pages in a
// stacked widget, the menus, and the wiring that passes records between pages.
// Pages never call each other; everything goes through here.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    QString languageCode() const { return langCode; }
    void setLanguageCode(const QString &code) { langCode = code; }

    // Address of the help pages beside the program for a language code.
    static QString helpAddress(const QString &appDir, const QString &languageCode);
    // The about box's picture, composed off-screen.
    static QPixmap aboutPicture();
    // Name of Qt's own translation file for one of the program's language codes.
    static QString qtTranslationName(const QString &languageCode);
    // Writes the report of the analysis page's current test as a one-page A4 PDF.
    bool writeReportPdf(const QString &fileName);

public slots:
    void loadLanguage();
    void newTestSavedSlot();
    void newClicked();
    void viewArrangeClicked();
    void analysisClicked();
    void databaseClicked();
    void printClicked();
    void printPreviewClicked();
    void helpClicked();
    void testSelected(const QList<databaseEntry> &list);
    void polarViewSelected();
    void linearViewSelected();
    void databaseViewSelected();
    void dataEntryScreenSelected();
    void newDatabaseSelected();
    void openDatabaseSelected();
    void saveDatabase();
    void exitClicked();
    void copy();
    void clear();
    void cut();
    void copyGraph();
    void copyNameAndAnalysis();
    void aboutClicked();
    void paste();
    void selectAll();
    void exportPDF();
    void exportCSV();
    void preferencesClicked();
    void pageSetupClicked();
    void importCSV();
    void importVKT();
    void importHDB();
    void setTestFormDefaults();
    void setAnalysisOptions();
    void windowResized();
    void setScoring();
    void viewUpdate(databaseEntry record);
    void updateAnalysis(const QList<databaseEntry> &list);

signals:
    void windowResizeSignal();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showPage(int page);
    QPushButton *pageButton(int page) const;
    void setButtonIcons(int page);
    void nudgePage(int page);
    bool unsavedChangesAllowLeaving(int page);
    void handOverToAnalysis(QList<databaseEntry> list);
    void reportFailure(const QString &title, const QString &text);
    // A short confirmation of what a command did, in the status bar.
    void showStatus(const QString &message);
    // How many tests and cap sets an import added (or that it added nothing), and
    // what it refused.
    void showImported(int tests, int capSets, const QString &refused);
    // The open database file's name before the program's title.
    void updateTitle();
    void refreshFooterImage();
    // The report of the analysis page, with the footer of the preferences.
    ReportDocument reportDocument(AnalysisFormWidget *analysis);
    // One page per test, each alone; a progress dialog with Cancel for more than a few.
    bool writeReportsPdf(const QString &fileName, const QList<databaseEntry> &tests,
                         bool *cancelled, QString *error, QString *logoProblem);
    // Tells the examiner why the footer logo was left out, once per logo file.
    void reportLogoProblem(const QString &problem);
    bool allowSwitchingFiles();
    // At start-up: the store's file could not be read. Retry, another file, or go on without.
    void askForUsableDatabase();
    void offerReopeningReplacedFile();
    void databaseFileChanged();
    void addUndoCommands();
    void followPageWithHistory(int page);

    std::unique_ptr<Ui::MainWindow> ui;
    QButtonGroup *pageButtons;
    QClipboard *clipboard;
    std::unique_ptr<preferences> prefsDialog; // no parent: the program's one dialog
    std::unique_ptr<QPrinter> printer;
    QTranslator *translator;
    QTranslator *qtTranslator; // Qt's own texts: standard buttons, dialogs
    // The entry pages' histories; the page shown is the one Undo and Redo act on.
    QUndoGroup *histories;
    QAction *undoAction;
    QAction *redoAction;
    QString langCode = QStringLiteral("en");
    // The further tests the analysis page was last given beside its current test.
    QList<databaseEntry> analysedOthers;
    QString footerImagePath;
    bool hasFooterImage = false;
    QString reportedLogoPath; // the footer logo whose problem the examiner has been told
};
