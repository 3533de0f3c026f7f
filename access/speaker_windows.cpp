#include "speaker.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

#include <windows.h>

#include <oleauto.h>
#include <uiautomationcore.h>

#include "product.h"

namespace vexil::speaker {

namespace {

// UI Automation's notification event (Windows 10 1709 and later), looked
// up when first needed: where the system lacks it (older Windows, and Wine
// 8, whose uiautomationcore has none), nothing is said, and nothing fails.
// The enumerations are those of the Windows SDK, which MinGW's headers lack.
constexpr int kActionCompleted = 2;      // NotificationKind_ActionCompleted
constexpr int kImportantMostRecent = 1;  // NotificationProcessing_ImportantMostRecent
using RaiseNotification = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);
using HostProvider = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);

struct Uia {
    RaiseNotification raiseNotification = nullptr;
    HostProvider hostProvider = nullptr;
};

const Uia& uia()
{
    static const Uia loaded = [] {
        Uia found;
        if (HMODULE core = LoadLibraryW(L"uiautomationcore.dll")) {
            found.raiseNotification =
                reinterpret_cast<RaiseNotification>(GetProcAddress(core, "UiaRaiseNotificationEvent"));
            found.hostProvider =
                reinterpret_cast<HostProvider>(GetProcAddress(core, "UiaHostProviderFromHwnd"));
        }
        return found;
    }();
    return loaded;
}

}  // namespace

// Qt's own bridge has no place for it.
void selectedChanged(QAccessibleInterface*, bool) {}

// Qt 6.4's UI Automation bridge drops a changed description, and its
// clients do not read one back by themselves: what must be heard is said,
// raised on the window that holds the focus, as Narrator, NVDA and JAWS
// expect of an application's own announcements. Where the Qt built with
// has QAccessibleAnnouncementEvent (Qt 6.8 and later), that says it on
// every platform, and this goes.
static_assert(QT_VERSION < QT_VERSION_CHECK(6, 8, 0),
              "Qt 6.8 says announcements itself (QAccessibleAnnouncementEvent): this notification goes");
bool say(QAccessibleInterface*, const QString& text)
{
    const auto& api = uia();
    const QWidget* focus = QApplication::focusWidget();
    if (api.raiseNotification == nullptr || api.hostProvider == nullptr || focus == nullptr)
        return false;
    IRawElementProviderSimple* provider = nullptr;
    const auto window = reinterpret_cast<HWND>(focus->window()->winId());
    if (FAILED(api.hostProvider(window, &provider)) || provider == nullptr)
        return false;
    BSTR display =
        SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.utf16()), static_cast<UINT>(text.size()));
    const QString id = QString::fromLatin1(product::kAppId) + QStringLiteral(".result");
    BSTR activity =
        SysAllocStringLen(reinterpret_cast<const OLECHAR*>(id.utf16()), static_cast<UINT>(id.size()));
    const HRESULT raised =
        api.raiseNotification(provider, kActionCompleted, kImportantMostRecent, display, activity);
    SysFreeString(activity);
    SysFreeString(display);
    provider->Release();
    return SUCCEEDED(raised);
}

// Once the focus event has gone out.
void sayWith(QAccessibleInterface*, const QString& text)
{
    if (text.isEmpty())  // nothing carried any more: a notification is not kept
        return;
    QMetaObject::invokeMethod(
        qApp, [text] { say(nullptr, text); }, Qt::QueuedConnection);
}

}  // namespace vexil::speaker
