#include "input/direction.h"
#include "shell/commandline.h"
#include "shell/display.h"
#include "shell/language.h"
#include "shell/mainwindow.h"
#include "shell/qtplatform.h"
#include "shell/shell.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <cstdio>
#include <optional>

namespace {

// The desktop entry's icon, pre-rendered at 64 x 64 and read as PNG without
// guessing the format, which would load every image format plugin.
QIcon windowIcon() {
    QImageReader reader(QStringLiteral(":/icons/" ZANDIRO_APP_ID "-64.png"), "PNG");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImageReader(&reader));
}

} // namespace

int main(int argc, char* argv[]) {
    zandiro::useDesktopLanguage();
    QApplication::setApplicationName(QStringLiteral("Zandiro"));
    QApplication::setApplicationVersion(QStringLiteral(ZANDIRO_VERSION));
    const zandiro::CommandLine commandLine = zandiro::readCommandLine(argc, argv);
    if (commandLine.exitStatus) {
        return *commandLine.exitStatus;
    }
    if (const QString missing = zandiro::missingDisplay(commandLine); !missing.isEmpty()) {
        std::fputs(missing.toLocal8Bit().constData(), stderr);
        return 1;
    }
    std::optional<zandiro::DisplayOpening> opening(std::in_place, commandLine);
    QApplication app(argc, argv);
    opening.reset();

    // A language read right to left mirrors both windows and the message boxes.
    QApplication::setLayoutDirection(zandiro::readsRightToLeft() ? Qt::RightToLeft
                                                                 : Qt::LeftToRight);
    // The desktop file name lets window managers and Wayland compositors match
    // the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZANDIRO_APP_ID));
    QApplication::setWindowIcon(windowIcon());
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
