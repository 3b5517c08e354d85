#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QApplication;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// Carries out the Edit menu's Cut, Copy, Paste, Clear and Select All on the entry
// field that last had the focus. One object for the whole program.
class copyOperations : public QObject
{
    Q_OBJECT

public:
    static copyOperations *instance();

    // The running application; its focus changes are passed on as focusChanged().
    void setApplication(QApplication *app);
    QApplication *application() const;

    void setSelectedText(const QString &text);
    QString selectedText() const { return selected; }

    void setLineEdit(QLineEdit *edit);
    void setPlainTextEdit(QPlainTextEdit *edit);
    QLineEdit *lineEdit() const;
    QPlainTextEdit *plainTextEdit() const;

public slots:
    void copy();
    void cut();
    void paste();
    void clear();
    void selectAll();

signals:
    void focusChanged(QWidget *old, QWidget *now);

private:
    copyOperations();

    QPointer<QApplication> app;
    QString selected;
    // Guarded: a form and its fields may go away while the object lives on.
    QPointer<QLineEdit> targetLineEdit;
    QPointer<QPlainTextEdit> targetPlainTextEdit;
};
