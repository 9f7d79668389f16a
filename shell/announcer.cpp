#include "shell/announcer.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QLibraryInfo>
#include <QVersionNumber>
#include <QWidget>

namespace zandiro {
namespace {

// Qt before 6.5 puts the accessible object itself where the AT-SPI event of a
// changed description carries the new text, so a screen reader has nothing to
// say (Orca 43 logs "bad content sent to speak()"). Later versions carry the
// text: there the Roll button's own description change says the roll, and
// nothing is added, so that nothing is said twice.
bool descriptionEventLacksText() {
    return QLibraryInfo::version() < QVersionNumber(6, 5);
}

// The event later versions of Qt send, with the text in it, on the connection
// to the accessibility bus that Qt 6.4 opens under the name "a11y" once a
// screen reader listens.
void sendDescriptionChange(QWidget* focused, const QString& text) {
    const QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(focused);
    if (!bus.isConnected() || accessible == nullptr) {
        return;
    }
    const QString path = QStringLiteral("/org/a11y/atspi/accessible/") +
                         QString::number(QAccessible::uniqueId(accessible));
    QDBusMessage event = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    event << QStringLiteral("accessible-description") << 0 << 0
          << QVariant::fromValue(QDBusVariant(text)) << QVariantMap();
    bus.send(event);
}

} // namespace

void announce(QWidget* focused, const QString& text) {
    if (focused == nullptr || text.isEmpty() || !QAccessible::isActive() ||
        !descriptionEventLacksText()) {
        return;
    }
    sendDescriptionChange(focused, text);
}

} // namespace zandiro
