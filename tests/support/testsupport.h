#pragma once

#include "databaseentry.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

namespace TestSupport {

// Points the store at a fresh file in a temporary folder that lives as long as
// the test program. Call before the first database::instance(); later calls
// switch the running store to another fresh file with openDatabase().
QString useFreshDatabase(const QString &name = QStringLiteral("test.sqlite"));

// The folder behind useFreshDatabase(), for further files of a test.
QString tempDir();

// A record with every subject and test field filled, the given names and arrangement.
databaseEntry sampleEntry(const QString &first, const QString &last, const QVector<int> &caps = {});

// Stores a record through the store's own insert operations; returns the new test id.
int storeEntry(const databaseEntry &e);

// A CSV line as earlier versions wrote it: every field as it stands, unquoted,
// then the TES and the cap-order text.
QString olderCsvLine(const databaseEntry &e, const QString &tes = QStringLiteral("0"));

// 1, 2, ..., 85: scores like the untouched order.
QVector<int> ascending();

// 1..22 in tray 1, cap 85 first in tray 2, 23..84 after it: TES 207, since cap 85
// counts as 85 outside tray 1.
QVector<int> cap85InTray2();

// Same arrangement with the caps at two positions exchanged.
QVector<int> swapped(QVector<int> caps, int a, int b);

// Texts written as UTF-8 literals, for expected rows and columns.
QStringList texts(std::initializer_list<const char *> utf8);

// The named child of a form or dialog; a missing one ends the test program at once.
template <typename T> T *child(const QObject &parent, const char *name)
{
    T *w = parent.findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("no child %s", name);
    return w;
}

// The untouched order with the cap at position replaced by value.
QVector<int> withValue(int position, int value);

// The untouched order with tray 2 (positions 22 to 42) reversed: TES 80.
QVector<int> tray2Reversed();

} // namespace TestSupport
