#include "speaker.h"

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

namespace vexil::speaker {

namespace {

// Qt 6.4 sends a changed name or description with the object in place of
// the new text, and Orca, which speaks what the event carries, then says
// nothing. So these go out as newer Qt sends them: on Qt's own connection
// to the accessibility bus (named "a11y"), from the object's path, with
// the text. Goes once the Qt built with sends the text itself
// (AtSpiAdaptor::notify, QAccessible::DescriptionChanged) and a selection
// change: then QAccessible's own events do.
//
// Qt 6.4's, too: the connection's name and the object paths are Qt's own,
// private. Whether a newer Qt still needs this is not known here: it trips
// at the next, to be checked there (docs/platforms.md says how).
static_assert(
    QT_VERSION < QT_VERSION_CHECK(6, 5, 0),
    "AT-SPI events with their text and Qt's private bus name: check them on this Qt "
    "(docs/platforms.md, Workarounds), then raise this bound or remove speaker_unix.cpp's own events");
bool objectEvent(QAccessibleInterface* iface, const char* event, const char* detail, int detail1,
                 const QVariant& data)
{
    const QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected() || iface == nullptr)
        return false;
    static const QMetaType registered = qDBusRegisterMetaType<ObjectReference>();
    Q_UNUSED(registered);
    const QString root = QStringLiteral("/org/a11y/atspi/accessible/root");
    const QString path =
        iface->role() == QAccessible::Application
            ? root
            : QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(iface));
    QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"),
                                                     QString::fromLatin1(event));
    signal << QString::fromLatin1(detail) << detail1 << 0 << QVariant::fromValue(QDBusVariant(data))
           << QVariant::fromValue(ObjectReference{bus.baseService(), QDBusObjectPath(root)});
    return bus.send(signal);
}

bool propertyChanged(QAccessibleInterface* iface, const char* property, const QString& text)
{
    return objectEvent(iface, "PropertyChange", property, 0, text);
}

}  // namespace

void selectedChanged(QAccessibleInterface* iface, bool on)
{
    objectEvent(iface, "StateChanged", "selected", on ? 1 : 0, 0);
}

// Orca speaks a new description of the object it follows at once, and
// skips an empty one: the second event leaves nothing behind that it would
// read again with the object.
bool say(QAccessibleInterface* focus, const QString& text)
{
    const bool told = propertyChanged(focus, "accessible-description", text);
    propertyChanged(focus, "accessible-description", QString());
    return told;
}

// Orca speaks no description of an object it does not follow, but keeps
// it, and reads it as it presents the object when the focus comes.
void sayWith(QAccessibleInterface* next, const QString& text)
{
    propertyChanged(next, "accessible-description", text);
}

}  // namespace vexil::speaker
