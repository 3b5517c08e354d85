#include "copyoperations.h"

#include "fieldtext.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>

copyOperations::copyOperations()
{
    // Start-up hands over the application explicitly; until then use the running one.
    if (auto *running = qobject_cast<QApplication *>(QCoreApplication::instance()))
        setApplication(running);
}

copyOperations *copyOperations::instance()
{
    static copyOperations single;
    return &single;
}

void copyOperations::setApplication(QApplication *newApp)
{
    if (app == newApp)
        return;
    if (app)
        disconnect(app, &QApplication::focusChanged, this, &copyOperations::focusChanged);
    app = newApp;
    if (app)
        connect(app, &QApplication::focusChanged, this, &copyOperations::focusChanged);
}

QApplication *copyOperations::application() const
{
    return app;
}

QLineEdit *copyOperations::lineEdit() const
{
    return targetLineEdit;
}

QPlainTextEdit *copyOperations::plainTextEdit() const
{
    return targetPlainTextEdit;
}

void copyOperations::setSelectedText(const QString &text)
{
    selected = text;
}

void copyOperations::setLineEdit(QLineEdit *edit)
{
    targetLineEdit = edit;
    targetPlainTextEdit = nullptr;
}

void copyOperations::setPlainTextEdit(QPlainTextEdit *edit)
{
    targetPlainTextEdit = edit;
    targetLineEdit = nullptr;
}

void copyOperations::copy()
{
    // A text cursor reports line breaks as Unicode separators; other programs expect '\n'.
    QString text = selected;
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

void copyOperations::cut()
{
    copy();
    clear();
}

void copyOperations::paste()
{
    const QString text = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
    // Only what the field can hold: one line in a name, line breaks in comments.
    if (targetLineEdit)
        targetLineEdit->insert(FieldText::singleLine(text));
    else if (targetPlainTextEdit)
        targetPlainTextEdit->insertPlainText(FieldText::multiLine(text));
}

void copyOperations::clear()
{
    if (targetLineEdit)
        targetLineEdit->insert(QString());
    else if (targetPlainTextEdit)
        targetPlainTextEdit->insertPlainText(QString());
}

void copyOperations::selectAll()
{
    if (targetLineEdit)
        targetLineEdit->selectAll();
    else if (targetPlainTextEdit)
        targetPlainTextEdit->selectAll();
}
