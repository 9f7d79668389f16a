#include "shell/display.h"

#include "shell/commandline.h"

#include <QByteArray>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace zandiro {
namespace {

QString environment(const char* name) {
    return QString::fromLocal8Bit(qgetenv(name));
}

QString platformNames(const CommandLine& commandLine) {
    return commandLine.platform.isEmpty() ? environment("QT_QPA_PLATFORM") : commandLine.platform;
}

// With no platform named Qt picks X11 or Wayland; a list of platforms needs
// a display only when each of them does. A name may carry options after a
// colon: "xcb:nodbus".
bool needsDisplay(const QString& platforms) {
    for (const QString& entry : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0);
        if (name != QLatin1String("xcb") && !name.startsWith(QLatin1String("wayland"))) {
            return false;
        }
    }
    return true;
}

// The displays Qt will try, as the player would name them.
QString displaysTried(const CommandLine& commandLine) {
    QStringList tried;
    const QString x11 =
        commandLine.display.isEmpty() ? environment("DISPLAY") : commandLine.display;
    if (!x11.isEmpty()) {
        tried << QStringLiteral("X11 display %1").arg(x11);
    }
    const QString wayland = environment("WAYLAND_DISPLAY");
    if (!wayland.isEmpty()) {
        tried << QStringLiteral("Wayland display %1").arg(wayland);
    }
    return tried.join(QStringLiteral(" or "));
}

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage>* heldMessages = nullptr;
QString* failureLine = nullptr;

void passOnHeldMessages() {
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : *heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    heldMessages->clear();
}

// Qt reports a platform it cannot start with qFatal() and then aborts. Its
// own messages on the way are shown only to those who asked for them.
void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        if (qEnvironmentVariableIsSet("QT_DEBUG_PLUGINS")) {
            passOnHeldMessages();
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        }
        std::fputs(failureLine->toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages->push_back({type, QByteArray(context.category), text});
}

} // namespace

QString missingDisplay(const CommandLine& commandLine) {
    if (!needsDisplay(platformNames(commandLine)) || !displaysTried(commandLine).isEmpty()) {
        return {};
    }
    return QStringLiteral("zandiro: no display to open a window on: neither DISPLAY nor "
                          "WAYLAND_DISPLAY is set\n");
}

DisplayOpening::DisplayOpening(const CommandLine& commandLine) {
    heldMessages = new std::vector<HeldMessage>;
    const QString tried = displaysTried(commandLine);
    failureLine =
        new QString(QStringLiteral("zandiro: cannot open the %1 (QT_DEBUG_PLUGINS=1 tells why)\n")
                        .arg(tried.isEmpty() ? QStringLiteral("display") : tried));
    previousHandler = qInstallMessageHandler(holdOrFail);
}

DisplayOpening::~DisplayOpening() {
    passOnHeldMessages();
    delete heldMessages;
    delete failureLine;
    heldMessages = nullptr;
    failureLine = nullptr;
}

} // namespace zandiro
