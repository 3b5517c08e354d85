#include "reportdocument.h"

#include "analysisformwidget.h"
#include "database.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <utility>

namespace {

QImage watermarkImage()
{
    return QImage(QStringLiteral(":/Images/zeltaWatermark.png"));
}

} // namespace

ReportDocument::ReportDocument(AnalysisFormWidget *analysisPage, Footer pageFooter)
    : analysis(analysisPage), footer(std::move(pageFooter)),
      capSets(database::instance()->getSerialNums())
{
}

QImage ReportDocument::printWatermark(const QSizeF &page)
{
    return watermarkImage().scaledToWidth(int(0.12 * page.width()), Qt::FastTransformation);
}

QImage ReportDocument::pdfWatermark(const QSizeF &page)
{
    return printWatermark(page).scaled(QSize(int(0.20 * page.width()), int(0.15 * page.height())),
                                       Qt::KeepAspectRatio, Qt::FastTransformation);
}

ReportContent ReportDocument::content(const QSizeF &page, const QImage &watermark) const
{
    ReportContent c;
    c.chart = analysis->polarScene();
    c.leftText = analysis->reportTextPart1();
    c.comment = analysis->reportComment();
    c.rightText = analysis->reportTextPart2WithComment(capSets, c.comment);
    const AnalysisFormWidget *sheet = analysis;
    const QList<CapSet> sets = capSets;
    c.rightTextWithComment = [sheet, sets](const QString &comment) {
        return sheet->reportTextPart2WithComment(sets, comment);
    };
    c.watermark = watermark;
    if (logoPage != page) {
        logoProblem.clear();
        logo = ReportPainter::footerLogoFor(footer.imagePath, page, &logoProblem);
        logoPage = page;
    }
    c.footerLogo = logo;
    c.footerText = footer.text;
    return c;
}

void ReportDocument::print(QPainter &painter, const QSizeF &page) const
{
    ReportPainter::draw(painter, page, content(page, printWatermark(page)));
}

bool ReportDocument::writePdf(const QString &fileName, QString *error) const
{
    return writePages(
        fileName, 1, [](int) {}, {}, nullptr, error);
}

bool ReportDocument::writePdf(const QString &fileName, const QList<databaseEntry> &tests,
                              const Progress &progress, bool *cancelled, QString *error) const
{
    return writePages(
        fileName, int(tests.size()), [&](int i) { analysis->setCurrentTest(tests.at(i)); },
        progress, cancelled, error);
}

bool ReportDocument::writePages(const QString &fileName, int pages,
                                const std::function<void(int)> &showPage, const Progress &progress,
                                bool *cancelled, QString *error) const
{
    if (cancelled)
        *cancelled = false;
    // Written aside and put in place at the end: a stopped or failed run leaves no
    // half-written file, nor a damaged earlier one.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    bool stopped = false;
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(ReportPainter::title());
        QPainter painter;
        if (!painter.begin(&writer)) {
            *error =
                QCoreApplication::translate("MainWindow", "The PDF writer could not be started.");
            file.cancelWriting();
            return false;
        }
        const QSizeF page(writer.width(), writer.height());
        const QImage watermark = pdfWatermark(page);
        for (int i = 0; i < pages; ++i) {
            if (i > 0)
                writer.newPage();
            showPage(i);
            ReportContent c = content(page, watermark);
            // The PDF leaves the logo out when no footer image is chosen.
            c.drawFooterLogo = !footer.imagePath.isEmpty();
            ReportPainter::draw(painter, page, c);
            if (progress && !progress(i + 1)) {
                stopped = true;
                break;
            }
        }
        painter.end();
    }
    if (stopped) {
        file.cancelWriting();
        if (cancelled)
            *cancelled = true;
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

void ReportDocument::prepare(AnalysisFormWidget &sheet, bool kinnear, const QList<bool> &switches)
{
    sheet.setScoreMode(kinnear);
    sheet.setAnalysisSwitches(switches);
    sheet.setGraphStyle(QStringLiteral("polar"));
    // The window's first size: the report's chart looks as the examiner first sees it.
    sheet.resizeCharts(950, 700);
}
