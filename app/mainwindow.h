#pragma once

#include <QMainWindow>
#include <QString>

class QButtonGroup;
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
    void setLanguageCode(const QString &code) { langCode = code; }

public slots:
    void loadLanguage();
    void newClicked();
    void viewArrangeClicked();
    void analysisClicked();
    void databaseClicked();
    void databaseViewSelected();
    void dataEntryScreenSelected();
    void exitClicked();
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

    Ui::MainWindow *ui;
    QButtonGroup *pageButtons;
    QTranslator *translator;
    QString langCode = QStringLiteral("en");
};
