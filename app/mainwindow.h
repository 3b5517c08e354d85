#pragma once

#include <QMainWindow>
#include <QString>

class QButtonGroup;
class QPrinter;
class QTranslator;

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
    // Address of the help pages beside the program for a language code.
    static QString helpAddress(const QString &appDir, const QString &languageCode);
    // The about box's picture, composed off-screen.
    static QPixmap aboutPicture();
    void setLanguageCode(const QString &code) { langCode = code; }

public slots:
    void loadLanguage();
    void newClicked();
    void viewArrangeClicked();
    void analysisClicked();
    void databaseClicked();
    void databaseViewSelected();
    void dataEntryScreenSelected();
    void newDatabaseSelected();
    void openDatabaseSelected();
    void saveDatabase();
    void exitClicked();
    void aboutClicked();
    void helpClicked();
    void pageSetupClicked();
    void windowResized();

signals:
    void windowResizeSignal();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void showPage(int page);
    void setButtonIcons(int page);
    void nudgePage(int page);
    void reportFailure(const QString &title, const QString &text);

    Ui::MainWindow *ui;
    QButtonGroup *pageButtons;
    QTranslator *translator;
    QPrinter *printer;
    QString langCode = QStringLiteral("en");
};
