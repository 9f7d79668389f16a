#include "shell/mainwindow.h"
#include "shell/qtplatform.h"
#include "shell/shell.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zandiro"));
    // The desktop file name lets window managers and Wayland compositors match
    // the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZANDIRO_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/" ZANDIRO_APP_ID ".svg")));
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
