#include "speaker.h"

#include <QAccessible>
#include <QString>

#include <emscripten/val.h>

// In a page there is no accessibility bridge (Qt 6.4; where a later Qt for
// WebAssembly bridges its controls to the page, try that with a screen
// reader before this goes):
// what a desktop screen reader would read goes to an ARIA live region of
// the page (id "vexil-speech"), and the state is the canvas's description,
// from an unseen element (id "vexil-state"): a screen reader speaks a
// changed description attribute of the focus, and the region already has.
namespace vexil::speaker {

namespace {

emscripten::val element(const char* id)
{
    return emscripten::val::global("document").call<emscripten::val>("getElementById", std::string(id));
}

void speak(const QString& text)
{
    emscripten::val region = element("vexil-speech");
    if (region.isNull() || region.isUndefined())
        return;
    // The same words again must still be heard: a live region speaks a change.
    QString said = text;
    if (said == QString::fromStdString(region["textContent"].as<std::string>()))
        said += QChar(0x00A0);
    region.set("textContent", said.toStdString());
}

// What a screen reader would read of an object that takes the focus: its
// name (a result field's holds its value in words), and what it carries.
QString presented(QAccessibleInterface* iface)
{
    QStringList parts{iface->text(QAccessible::Name), iface->text(QAccessible::Description)};
    parts.removeAll(QString());
    return parts.join(QStringLiteral(". "));
}

}  // namespace

bool listening()
{
    return true;
}

bool say(QAccessibleInterface*, const QString& text)
{
    speak(text);
    return true;
}

void sayWith(QAccessibleInterface*, const QString&) {}

void cursorMoved(QAccessibleInterface* swatch, const QString& band)
{
    speak(band.isEmpty() ? presented(swatch) : band + QStringLiteral(". ") + presented(swatch));
}

void focusChanged(QAccessibleInterface* now)
{
    if (now != nullptr)
        speak(presented(now));
}

void selectedChanged(QAccessibleInterface*, bool) {}

void stateChanged(const QString& state)
{
    emscripten::val described = element("vexil-state");
    if (!described.isNull() && !described.isUndefined())
        described.set("textContent", state.toStdString());
}

}  // namespace vexil::speaker
