#pragma once

#include "databaseentry.h"
#include "reportpainter.h"
#include "settingsrecord.h"

#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>
#include <functional>

class AnalysisFormWidget;
class QPainter;

// The report pages the window prints and writes, and the command-line tool
// writes: the analysis page's polar chart and report texts with the footer,
// drawn by ReportPainter. One page shows the page as it stands; a document of
// several tests shows each test alone on a page of its own.
class ReportDocument
{
public:
    // What the pages take from the preferences beside the analysis page.
    struct Footer
    {
        QString imagePath;
        QString text;
    };

    // The cap-set register, which the report's closing sentence reads, comes from the store.
    ReportDocument(AnalysisFormWidget *analysis, Footer footer);

    // The watermark as printed, and as the PDF export scales it further.
    static QImage printWatermark(const QSizeF &page);
    static QImage pdfWatermark(const QSizeF &page);

    ReportContent content(const QSizeF &page, const QImage &watermark) const;
    // Why the footer logo was left out of the pages drawn so far; empty when it was
    // drawn or no logo is chosen.
    QString footerLogoProblem() const { return logoProblem; }
    // The page as printed (footer logo drawn whenever it loads).
    void print(QPainter &painter, const QSizeF &page) const;

    // Called after each page; returning false stops the run, which then writes nothing.
    using Progress = std::function<bool(int pagesDone)>;

    // One A4 page of the analysis page as it stands. False, with *error set, when
    // the file cannot be written.
    bool writePdf(const QString &fileName, QString *error) const;
    // One A4 page per test, in order, each the analysis page's only test in turn.
    // Nothing is written, and an existing file is left as it was, when the run is
    // stopped or fails; *cancelled tells the two apart.
    bool writePdf(const QString &fileName, const QList<databaseEntry> &tests,
                  const Progress &progress, bool *cancelled, QString *error) const;

    // An analysis page for drawing reports away from the window: the plotting
    // method and the 16 display switches, charts of the window's usual size.
    static void prepare(AnalysisFormWidget &sheet, bool kinnear, const QList<bool> &switches);

private:
    bool writePages(const QString &fileName, int pages, const std::function<void(int)> &showPage,
                    const Progress &progress, bool *cancelled, QString *error) const;

    AnalysisFormWidget *analysis;
    Footer footer;
    QList<CapSet> capSets;
    // The logo is read once per page size, not once per page.
    mutable QImage logo;
    mutable QSizeF logoPage;
    mutable QString logoProblem;
};
