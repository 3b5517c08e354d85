#include "databaseformwidget.h"
#include "ui_databaseformwidget.h"

#include "csvformat.h"
#include "database.h"
#include "recordsearch.h"
#include "testtablemodel.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QSet>
#include <QVariant>
#include <numeric>

namespace {

// Entries of the criterion and method boxes, in box order (the same texts as the form).
const char *const CriterionTexts[RecordSearch::CriterionCount] = {
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Comments"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "DOB"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Experience"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "First"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Middle"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Last"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Gender"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Illumination"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Industry"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Job"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Location"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Reference Number"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Serial Number"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Test Date"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Time"),
};
const char *const MethodTexts[RecordSearch::MethodCount] = {
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Contains"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Is Exactly"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Begins With"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Ends With"),
};
const char *const HeaderTexts[TestTableModel::IdColumn] = {
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "#"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "First"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Middle"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Last"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Reference Number"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "DOB"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Test Date"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Time"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Comments"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Gender"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Experience"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Illumination"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Industry"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Job Function"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Location"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "Serial Number"),
    QT_TRANSLATE_NOOP("DatabaseFormWidget", "TES"),
};

// Index of the entry whose translated text is the box's current text, or -1.
template <int N> int matchTranslated(const char *const (&texts)[N], const QString &current)
{
    for (int i = 0; i < N; ++i) {
        if (current == DatabaseFormWidget::tr(texts[i]))
            return i;
    }
    return -1;
}

constexpr int BulkScoresThreshold = 200;
// Column widths come from this many rows around the top, not from every row.
constexpr int ColumnWidthSample = 100;
// The Comments column grows to about this many characters, a row to this many lines.
constexpr int CommentsColumnChars = 30;
constexpr int TallestRowLines = 4;

} // namespace

DatabaseFormWidget::DatabaseFormWidget(QWidget *parent)
    : QWidget(parent), ui(new Ui::DatabaseFormWidget), model(new TestTableModel(this))
{
    ui->setupUi(this);
    QTableView *table = ui->tableDisplay;
    table->setModel(model);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectItems);
    // A long comment stays on one line in its narrow column, shortened with "…".
    table->setWordWrap(false);

    // The header's clicks go to columnClicked(), which keeps a direction per column;
    // the view's own toggling sort stays off.
    QHeaderView *header = table->horizontalHeader();
    header->setSectionsClickable(true);
    // A click on a header sorts and nothing else: the view would also select the
    // whole column, which counts as every row for Delete.
    disconnect(header, SIGNAL(sectionPressed(int)), table, SLOT(selectColumn(int)));
    disconnect(header, SIGNAL(sectionEntered(int)), table, SLOT(_q_selectColumn(int)));

    askQuestion = [this](const QString &title, const QString &text) {
        return QMessageBox::question(this, title, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    showWarning = [this](const QString &title, const QString &text) {
        QMessageBox::warning(this, title, text);
    };

    connect(ui->dbSearch, &QLineEdit::textChanged, this, &DatabaseFormWidget::displaySearchResults);
    connect(ui->searchCriteria, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DatabaseFormWidget::displaySearchResults);
    connect(ui->searchMethod, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DatabaseFormWidget::displaySearchResults);
    connect(ui->clearSearch, &QPushButton::clicked, this, &DatabaseFormWidget::clearSearchClick);
    connect(ui->selectTest, &QPushButton::clicked, this, &DatabaseFormWidget::selectTestClick);
    connect(ui->deleteButton, &QPushButton::clicked, this, &DatabaseFormWidget::deleteClick);
    connect(table, &QAbstractItemView::doubleClicked, this, &DatabaseFormWidget::doubleClick);
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &DatabaseFormWidget::selectionChanged);
    // A sort moves the selected records to other rows: the row list must follow.
    connect(model, &QAbstractItemModel::layoutChanged, this, &DatabaseFormWidget::selectionChanged);
    connect(header, &QHeaderView::sectionClicked, this, &DatabaseFormWidget::columnClicked);

    displaySearchResults();
    // Switching sorting on sorts by the header's initial indicator: "#", descending,
    // so the newest test is on top.
    header->setSortIndicatorShown(true);
    table->sortByColumn(TestTableModel::NumberColumn, Qt::DescendingOrder);
    for (int c = 0; c < TestTableModel::IdColumn; ++c)
        sortAscendingNext.append(true);
}

DatabaseFormWidget::~DatabaseFormWidget() = default;

QStringList DatabaseFormWidget::headerLabels() const
{
    QStringList labels;
    for (const char *text : HeaderTexts)
        labels.append(tr(text));
    labels.append(QString());
    return labels;
}

int DatabaseFormWidget::criterionIndex() const
{
    return matchTranslated(CriterionTexts, ui->searchCriteria->currentText());
}

int DatabaseFormWidget::methodIndex() const
{
    return matchTranslated(MethodTexts, ui->searchMethod->currentText());
}

void DatabaseFormWidget::retranslate()
{
    ui->retranslateUi(this);
    model->setHeaderLabels(headerLabels());
}

void DatabaseFormWidget::clearSearchClick()
{
    ui->dbSearch->clear();
}

void DatabaseFormWidget::displaySearchResults()
{
    // The selection is kept by test, not by row: a new search or order moves rows.
    const QStringList keep = testIdsOfRows(selectedRows);

    const QString text = ui->dbSearch->text();
    database *store = database::instance();
    // The rows are held between actions; the search only names the tests it found.
    const TestRows &held = store->heldTests();
    QVector<int> picked;
    if (text.isEmpty()) {
        picked.resize(held.rows().size());
        std::iota(picked.begin(), picked.end(), 0);
    } else {
        QString searchError;
        const QVector<qint64> found =
            RecordSearch::testIds(store, criterionIndex(), methodIndex(), text, &searchError);
        if (!searchError.isEmpty())
            emit statusMessage(tr("The search could not be run: %1").arg(searchError));
        picked.reserve(found.size());
        for (const qint64 id : found) {
            const int i = held.indexOf(id);
            if (i >= 0)
                picked.append(i);
        }
    }
    model->setHeaderLabels(headerLabels());
    model->setEntries(held.rows(), picked);
    ui->tableDisplay->setColumnHidden(TestTableModel::IdColumn, true);
    sizeToContents(held.rowsWithLineBreaks());

    // A reset clears the view's selection without a signal.
    selectedRows.clear();
    selectTests(keep);
    selectionChanged();
}

void DatabaseFormWidget::forgetSelection()
{
    ui->tableDisplay->clearSelection();
    selectedRows.clear();
    analysedRows.clear();
    analysedTestIDs.clear();
}

void DatabaseFormWidget::setBoxes(Question question, Warning warning)
{
    askQuestion = std::move(question);
    showWarning = std::move(warning);
}

int DatabaseFormWidget::commentsColumnLimit() const
{
    return ui->tableDisplay->fontMetrics().averageCharWidth() * CommentsColumnChars;
}

void DatabaseFormWidget::sizeToContents(const QSet<int> &tallSources)
{
    QTableView *table = ui->tableDisplay;
    // Columns from a sample of rows (the header's precision), rows by their content:
    table->horizontalHeader()->setResizeContentsPrecision(ColumnWidthSample);
    // single-line rows all share one height, so only rows with line breaks are measured.
    table->resizeColumnsToContents();
    // A long comment would push every column after it off the page.
    if (table->columnWidth(TestTableModel::CommentsColumn) > commentsColumnLimit())
        table->setColumnWidth(TestTableModel::CommentsColumn, commentsColumnLimit());
    int plainRow = -1;
    QList<int> tallRows;
    for (int r = 0; r < model->rowCount() && (plainRow < 0 || !tallSources.isEmpty()); ++r) {
        if (tallSources.contains(model->sourceIndex(r)))
            tallRows.append(r);
        else if (plainRow < 0)
            plainRow = r;
    }
    int lineHeight = table->verticalHeader()->defaultSectionSize();
    if (plainRow >= 0) {
        table->resizeRowToContents(plainRow);
        const int height = table->rowHeight(plainRow);
        if (height > 0) {
            table->verticalHeader()->setDefaultSectionSize(height);
            lineHeight = height;
        }
    }
    for (int r : qAsConst(tallRows)) {
        table->resizeRowToContents(r);
        if (table->rowHeight(r) > TallestRowLines * lineHeight)
            table->setRowHeight(r, TallestRowLines * lineHeight);
    }
}

void DatabaseFormWidget::selectionChanged()
{
    selectedRows.clear();
    QSet<int> seen;
    const QItemSelection selection = ui->tableDisplay->selectionModel()->selection();
    for (const QItemSelectionRange &range : selection) {
        if (!range.isValid())
            continue;
        for (int r = range.top(); r <= range.bottom(); ++r) {
            if (!seen.contains(r)) {
                seen.insert(r);
                selectedRows.append(r);
            }
        }
    }
}

QStringList DatabaseFormWidget::testIdsOfRows(const QList<int> &rows) const
{
    QStringList ids;
    for (int r : rows) {
        if (r >= 0 && r < model->rowCount())
            ids.append(model->entry(r).testID);
    }
    return ids;
}

QList<int> DatabaseFormWidget::selectTests(const QStringList &testIDs)
{
    QList<int> rows;
    if (testIDs.isEmpty())
        return rows;
    const QHash<QString, int> found =
        model->rowsOfTests(QSet<QString>(testIDs.begin(), testIDs.end()));
    // Rows that follow each other in the given order become one range: selecting
    // every row of a large table stays one range instead of a hundred thousand.
    QItemSelection selection;
    QSet<int> taken;
    int first = -1;
    int last = -1;
    const auto closeRange = [&] {
        if (first >= 0)
            selection.append(QItemSelectionRange(
                model->index(first, 0), model->index(last, TestTableModel::ColumnCount - 1)));
    };
    for (const QString &id : testIDs) {
        const auto it = found.constFind(id);
        if (it == found.constEnd() || taken.contains(*it))
            continue;
        const int row = *it;
        taken.insert(row);
        rows.append(row);
        if (first >= 0 && row == last + 1) {
            last = row;
        } else {
            closeRange();
            first = last = row;
        }
    }
    closeRange();
    if (!selection.isEmpty())
        ui->tableDisplay->selectionModel()->select(selection, QItemSelectionModel::Select);
    return rows;
}

QHash<QString, QString> DatabaseFormWidget::scoresOfRows(const QList<int> &rows) const
{
    database *store = database::instance();
    const QStringList ids = testIdsOfRows(rows);
    // A large selection reads every cap order in one pass instead of one query per row.
    if (ids.size() > BulkScoresThreshold)
        return store->scoresOf(ids);
    QHash<QString, QString> scores;
    for (const QString &id : ids)
        scores.insert(id, store->getScores(id));
    return scores;
}

databaseEntry DatabaseFormWidget::recordOfRow(int row, const QHash<QString, QString> &scores) const
{
    databaseEntry e = model->entry(row);
    e.scores = scores.value(e.testID);
    e.tes.clear();
    return e;
}

QList<databaseEntry> DatabaseFormWidget::selectedTests() const
{
    QList<databaseEntry> tests;
    const QHash<QString, QString> scores = scoresOfRows(selectedRows);
    for (int r : selectedRows) {
        if (r >= 0 && r < model->rowCount())
            tests.append(recordOfRow(r, scores));
    }
    return tests;
}

void DatabaseFormWidget::selectTestClick()
{
    QList<databaseEntry> list;
    list.reserve(selectedRows.size());
    const QHash<QString, QString> scores = scoresOfRows(selectedRows);
    for (int r : qAsConst(selectedRows))
        list.append(recordOfRow(r, scores));
    analysedRows = selectedRows;
    analysedTestIDs = testIdsOfRows(selectedRows);
    emit testSelected(list);
}

void DatabaseFormWidget::doubleClick()
{
    selectTestClick();
}

void DatabaseFormWidget::viewUpdated()
{
    displaySearchResults();

    // The same tests as before, by id, wherever the refill put them; a test the
    // current search no longer lists is read from the store directly.
    ui->tableDisplay->selectionModel()->clearSelection();
    const QList<int> rows = selectTests(analysedTestIDs);
    const QHash<QString, int> found =
        model->rowsOfTests(QSet<QString>(analysedTestIDs.begin(), analysedTestIDs.end()));
    QList<databaseEntry> list;
    const QHash<QString, QString> scores = scoresOfRows(rows);
    for (const QString &id : qAsConst(analysedTestIDs)) {
        const auto it = found.constFind(id);
        if (it != found.constEnd()) {
            list.append(recordOfRow(*it, scores));
            continue;
        }
        bool stored = false;
        const databaseEntry e = RecordSearch::testById(database::instance(), id, &stored);
        if (stored)
            list.append(e);
    }
    selectionChanged();
    analysedRows = rows;
    emit updateAnalysis(list);
}

void DatabaseFormWidget::deleteClick()
{
    QList<databaseEntry> tests;
    for (int r : qAsConst(selectedRows)) {
        if (r >= 0 && r < model->rowCount())
            tests.append(model->entry(r));
    }
    if (tests.isEmpty()) {
        displaySearchResults();
        return;
    }
    // The one command that destroys records: it says how many before it acts.
    if (!askQuestion(tr("Delete"),
                     tr("Delete %n test(s)? This cannot be undone.", nullptr, tests.size())))
        return;
    database *store = database::instance();
    // Only subject rows no test refers to any more go, listed or not.
    if (!store->deleteTests(tests)) {
        showWarning(tr("Delete"), tr("The tests could not be deleted: %1").arg(store->lastError()));
        displaySearchResults();
        return;
    }
    // Nothing stays selected: a further Delete must not find another test chosen.
    ui->tableDisplay->clearSelection();
    selectedRows.clear();
    displaySearchResults();
    emit statusMessage(tr("%n test(s) deleted.", nullptr, tests.size()));
}

void DatabaseFormWidget::columnClicked(int column)
{
    if (column < 0 || column >= sortAscendingNext.size())
        return;
    const Qt::SortOrder order =
        sortAscendingNext.at(column) ? Qt::AscendingOrder : Qt::DescendingOrder;
    sortAscendingNext[column] = !sortAscendingNext.at(column);
    ui->tableDisplay->sortByColumn(column, order);
}

std::function<QString(int)> DatabaseFormWidget::csvLineSource(int *count) const
{
    QList<int> rows;
    rows.reserve(selectedRows.size());
    for (int r : selectedRows) {
        if (r >= 0 && r < model->rowCount())
            rows.append(r);
    }
    *count = rows.size() + 1;
    const QHash<QString, QString> scores = scoresOfRows(rows);
    const TestTableModel *table = model;
    return [rows, scores, table](int i) {
        if (i == 0)
            return CsvFormat::headerLine();
        databaseEntry e = table->entry(rows.at(i - 1));
        e.scores = scores.value(e.testID);
        return CsvFormat::recordLine(e, e.tes);
    };
}

QStringList DatabaseFormWidget::csvLines() const
{
    int count = 0;
    const std::function<QString(int)> lineAt = csvLineSource(&count);
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines.append(lineAt(i));
    return lines;
}

CsvFile::WriteResult DatabaseFormWidget::exportCsv(const QString &chosen) const
{
    int count = 0;
    const std::function<QString(int)> lineAt = csvLineSource(&count);
    return CsvFile::writeLines(chosen, count, lineAt);
}
