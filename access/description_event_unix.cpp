#include "description_event.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

// An AT-SPI object reference: the application's bus name and object path.
struct ObjectReference {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ObjectReference& reference)
{
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ObjectReference& reference)
{
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}

}  // namespace

Q_DECLARE_METATYPE(ObjectReference)

namespace vexil {

// Qt 6.4 sends this event with the object in place of the new text, and
// Orca, which speaks what the event carries, then says nothing. So the
// event goes out here as newer Qt sends it: on Qt's own connection to the
// accessibility bus (named "a11y"), from the object's path, with the text.
void reportDescriptionChanged(QAccessibleInterface* iface)
{
    const QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected() || iface == nullptr)
        return;
    static const QMetaType registered = qDBusRegisterMetaType<ObjectReference>();
    Q_UNUSED(registered);
    const QString root = QStringLiteral("/org/a11y/atspi/accessible/root");
    const QString path =
        iface->role() == QAccessible::Application
            ? root
            : QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(iface));
    QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"),
                                                     QStringLiteral("PropertyChange"));
    signal << QStringLiteral("accessible-description") << 0 << 0
           << QVariant::fromValue(QDBusVariant(iface->text(QAccessible::Description)))
           << QVariant::fromValue(ObjectReference{bus.baseService(), QDBusObjectPath(root)});
    bus.send(signal);
}

}  // namespace vexil
