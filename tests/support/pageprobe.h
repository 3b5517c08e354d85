#pragma once

#include "databaseformwidget.h"
#include "testtablemodel.h"

// The tests' one door into the database page's state: the rows it tracks, the
// sort directions it keeps and the CSV lines of its selection. The program
// itself reaches none of them from outside the page.
struct DatabaseFormWidgetProbe
{
    static TestTableModel *model(const DatabaseFormWidget &w) { return w.model; }
    static QList<int> selectedRows(const DatabaseFormWidget &w) { return w.selectedRows; }
    static QList<int> analysedRows(const DatabaseFormWidget &w) { return w.analysedRows; }
    static QList<bool> sortAscendingNext(const DatabaseFormWidget &w)
    {
        return w.sortAscendingNext;
    }
    static QStringList csvLines(const DatabaseFormWidget &w) { return w.csvLines(); }
};
