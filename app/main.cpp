#include "copyoperations.h"
#include "mainwindow.h"
#include "vkresources.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    copyOperations::instance()->setApplication(&app);
    QApplication::setApplicationName(QStringLiteral("Veskora"));
    QApplication::setOrganizationName(QStringLiteral("Veskora"));
    vkInitResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/Images/appIcon.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("veskora"));

    QFile style(QStringLiteral(":/Style.css"));
    if (style.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromLatin1(style.readAll()));

    MainWindow window;
    window.show();
    return QApplication::exec();
}
