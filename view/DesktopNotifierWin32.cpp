// Notifications on Windows: a balloon from an icon of the clock's in the
// notification area, added at the first one and removed with the window.
// (The toolkit's notification classes are not in our Windows build.)
#include "DesktopNotifier.h"

#include <wx/window.h>

#include "WideText.h"

#include <windows.h>
#include <shellapi.h>


namespace {

constexpr UINT kIconId = 1;

}  // namespace

struct DesktopNotifier::Shown {
    NOTIFYICONDATAW icon{};
};

DesktopNotifier::DesktopNotifier(wxWindow* owner) : owner(owner) {}

DesktopNotifier::~DesktopNotifier()
{
    if (shown) {
        Shell_NotifyIconW(NIM_DELETE, &shown->icon);
    }
}

void DesktopNotifier::Show(const std::string& summary, const std::string& body)
{
    if (!owner) {
        return;
    }
    if (!shown) {
        shown = std::make_unique<Shown>();
        NOTIFYICONDATAW& icon = shown->icon;
        icon.cbSize = sizeof icon;
        icon.hWnd = static_cast<HWND>(owner->GetHandle());
        icon.uID = kIconId;
        icon.uFlags = NIF_ICON | NIF_TIP;
        icon.hIcon = LoadIconW(nullptr, IDI_INFORMATION);
        CopyToWideBuffer(icon.szTip, "Vellmor");
        if (!Shell_NotifyIconW(NIM_ADD, &icon)) {
            shown.reset();
            return;  // no notification area: nothing shows
        }
    }
    NOTIFYICONDATAW& icon = shown->icon;
    icon.uFlags = NIF_INFO;
    icon.dwInfoFlags = NIIF_INFO;
    CopyToWideBuffer(icon.szInfoTitle, summary);
    CopyToWideBuffer(icon.szInfo, body);
    Shell_NotifyIconW(NIM_MODIFY, &icon);
}
