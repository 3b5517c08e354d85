#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

#include <functional>

class QGraphicsScene;
class QPainter;

// What one report page shows.
struct ReportContent
{
    QGraphicsScene *chart = nullptr; // the polar chart; may be null
    QString leftText;                // first column of results
    QString rightText;               // second column of results
    // The comment as the second column holds it, and that column built with another
    // comment text: a comment too long for the column is shortened with an ellipsis
    // so that the results after it still show.
    QString comment;
    std::function<QString(const QString &comment)> rightTextWithComment;
    QImage watermark;  // already scaled
    QImage footerLogo; // already scaled; a null image draws nothing
    bool drawFooterLogo = true;
    QString footerText;
};

// Lays out the one-page report on any paint device (printer, PDF writer, image),
// as fractions of the page so every output looks the same.
class ReportPainter
{
public:
    // Boxes of the layout for a page of the given size.
    static QRectF titleBox(const QSizeF &page);
    static QRectF chartBox(const QSizeF &page);
    static QRectF headingBox(const QSizeF &page);
    static QRectF leftColumnBox(const QSizeF &page);
    static QRectF rightColumnBox(const QSizeF &page);
    static QRectF footerTextBox(const QSizeF &page);
    static QRectF creditsBox(const QSizeF &page);
    static QPointF watermarkOrigin(const QSizeF &page);
    static QPointF footerLogoOrigin(const QSizeF &page);

    // The footer image scaled to fit 0.12 W x 0.12 H, decoded at that size; a path that
    // does not load gives a null image, and *why the reason (nothing for an empty path).
    static QImage footerLogoFor(const QString &path, const QSizeF &page, QString *why = nullptr);

    static QString title();
    static QString heading();
    static QString credits();

    // The second column as drawn: the whole text when it fits its box with the
    // painter's current font, otherwise with the comment cut to the room left.
    static QString fittedRightText(QPainter &painter, const QSizeF &page,
                                   const ReportContent &content);

    static void draw(QPainter &painter, const QSizeF &page, const ReportContent &content);
};
