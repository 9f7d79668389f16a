#include "app/qtplatform.h"
#include "app/shell.h"
#include "ui/mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zandiro"));
    // The windows' own close boxes decide when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);

    zandiro::QtPlatform platform;
    zandiro::Shell shell(platform);
    platform.setBeforeMessage([&shell]() -> QWidget* {
        shell.refresh();
        return shell.mainWindow().isVisible() ? &shell.mainWindow() : nullptr;
    });
    platform.setOnEnd([&shell] { shell.end(); });
    shell.start();
    return QApplication::exec();
}
