#pragma once

#include <QString>

class QRandomGenerator;

// Database files for the benchmarks: a site's years of records, generated once per
// size and kept in a cache folder. About 71 subjects per 100 tests (some subjects
// are tested twice), surnames from two syllables (a one-letter "Contains" search
// for "e" hits about 44 % of them), one test in five with a comment, cap orders
// with a few local exchanges.
class BenchFile
{
public:
    // The number of tests the benchmarks use: VK_BENCH_TESTS, else 100,000.
    static int tests();

    // A file with this many tests, made on first use (folder VK_BENCH_DIR, else
    // /tmp/vk-bench); the schema is the store's own, made by the store, which is
    // left on the file it made.
    static QString path(int tests);

    // A fresh copy of it in the same folder, for benchmarks that change the file.
    static QString copy(int tests, const QString &name);

    // Where benchmark programs keep their own scratch files.
    static QString scratch(const QString &name);

    // A surname of two syllables out of 20 (400 names), capitalised.
    static QString surname(QRandomGenerator &rng);

    // Resident memory of this process in bytes.
    static qint64 residentBytes();
};
