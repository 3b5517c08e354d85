#pragma once

#include <QPair>
#include <QRegularExpression>
#include <QStringList>

// Builds property-list text in the layout the second database version wrote:
// 17 header lines, then one dictionary per test with tab-indented key and value lines.
namespace VktFixture {

using Field = QPair<QString, QString>; // key, whole value line such as "<string>Ann</string>"

inline QStringList header()
{
    QStringList h{QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"),
                  QStringLiteral("<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                 "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">"),
                  QStringLiteral("<plist version=\"1.0\">"), QStringLiteral("<dict>")};
    while (h.size() < 17)
        h.append(QStringLiteral("\t<key>Header%1</key>").arg(h.size()));
    return h;
}

// Each dictionary is followed by the line the reader passes over after it.
inline QByteArray file(const QList<QList<Field>> &dicts,
                       const QString &lineEnd = QStringLiteral("\r"))
{
    QStringList lines = header();
    for (const QList<Field> &d : dicts) {
        lines << QStringLiteral("\t<dict>");
        for (const Field &f : d)
            lines << QStringLiteral("\t\t<key>%1</key>").arg(f.first)
                  << QStringLiteral("\t\t") + f.second;
        lines << QStringLiteral("\t</dict>") << QStringLiteral("\t<key>next</key>");
    }
    lines << QStringLiteral("</dict>") << QStringLiteral("</plist>");
    return lines.join(lineEnd).toUtf8();
}

// A file of dictionaries separated by ';', each written as "Key=text|Key#code|Key@date":
// string, integer and date values.
inline QByteArray vkt(const QString &dicts, const QString &lineEnd = QStringLiteral("\r"))
{
    QList<QList<Field>> list;
    for (const QString &dict : dicts.split(QLatin1Char(';'))) {
        list.append(QList<Field>());
        for (const QString &pair : dict.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
            const int at = int(pair.indexOf(QRegularExpression(QStringLiteral("[=#@]"))));
            const int kind = int(QStringLiteral("=#@").indexOf(pair.at(at)));
            const QString tag =
                QStringLiteral("string integer date").section(QLatin1Char(' '), kind, kind);
            list.last().append(
                {pair.left(at), QStringLiteral("<%1>%2</%1>").arg(tag, pair.mid(at + 1))});
        }
    }
    return file(list, lineEnd);
}

} // namespace VktFixture
