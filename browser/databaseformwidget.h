#pragma once

#include "csvfile.h"
#include "databaseentry.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class DatabaseFormWidget;
}
class TestTableModel;

// Page 3 of the main window: every stored test with its subject, one row per
// test, narrowed by a one-field search, sorted by any column, selected for the
// analysis page, deleted, or handed to the CSV export.
class DatabaseFormWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DatabaseFormWidget(QWidget *parent = nullptr);
    ~DatabaseFormWidget() override;

    // Writes the header line, then the CSV line of each entry of selectedRows in
    // that order, to a file chosen by the examiner, one line at a time.
    CsvFile::WriteResult exportCsv(const QString &chosen) const;

    // The tests of the selected rows in selection order, with their cap-order texts.
    QList<databaseEntry> selectedTests() const;

    // Fixed texts, combo entries (in place, choices kept) and column headers.
    void retranslate();

    // The page's two boxes: the question before a deletion and the report of a
    // deletion the file refused. Tests (and the window) answer in their place.
    using Question = std::function<bool(const QString &title, const QString &text)>;
    using Warning = std::function<void(const QString &title, const QString &text)>;
    void setBoxes(Question question, Warning warning);

    // The widest the Comments column grows to; its full text is the cell's tooltip.
    int commentsColumnLimit() const;

signals:
    void testSelected(QList<databaseEntry> entry);
    void updateAnalysis(QList<databaseEntry> entry);
    // A short note for the window's status bar: what a deletion did, why a search failed.
    void statusMessage(const QString &text);

public slots:
    void clearSearchClick();
    void deleteClick();
    void selectTestClick();
    void selectionChanged();
    void doubleClick();
    void displaySearchResults();
    void viewUpdated();
    void columnClicked(int column);
    // Another database file became current: its test ids name other tests.
    void forgetSelection();

private:
    friend struct DatabaseFormWidgetProbe; // the tests' door into the state below

    // The header line, then the CSV line of each entry of selectedRows in that order.
    QStringList csvLines() const;
    // The header and the lines of the selected rows, made one at a time.
    std::function<QString(int)> csvLineSource(int *count) const;

    QStringList headerLabels() const;
    int criterionIndex() const;
    int methodIndex() const;
    // Cap-order texts of the tests in these rows, by test id.
    QHash<QString, QString> scoresOfRows(const QList<int> &rows) const;
    databaseEntry recordOfRow(int row, const QHash<QString, QString> &scores) const;
    QStringList testIdsOfRows(const QList<int> &rows) const;
    // Selects the rows now holding these tests, in the given order; returns them.
    QList<int> selectTests(const QStringList &testIDs);
    // Rows are measured only where the source rows listed have line breaks.
    void sizeToContents(const QSet<int> &tallSources);

    std::unique_ptr<Ui::DatabaseFormWidget> ui;
    TestTableModel *model;
    // Distinct rows holding a selected cell, in the order the selection lists them.
    QList<int> selectedRows;
    // The rows last handed to the analysis page.
    QList<int> analysedRows;
    // The tests behind analysedRows: a refresh re-sends these, wherever they now sit.
    QStringList analysedTestIDs;
    // Per visible column: true when its next header click sorts ascending.
    QList<bool> sortAscendingNext;
    Question askQuestion;
    Warning showWarning;
};
