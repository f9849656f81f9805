// The item as an icon in Windows' notification area (Shell_NotifyIconW; the
// toolkit's wxTaskBarIcon is not in our static Windows build): the sign, the
// text as its tooltip, the menu at a right click; a double click chooses the
// menu's first entry. The icon's messages go to a hidden window of its own.
#include "PanelIndicator.h"

#include "EmbeddedImage.h"
#include "PanelSigns.h"

#include <wx/icon.h>
#include <wx/string.h>

#include "WideText.h"

#include <windows.h>
#include <shellapi.h>


namespace {

constexpr UINT kIconId = 1;
constexpr UINT kIconMessage = WM_APP + 1;
constexpr const wchar_t* kWindowClass = L"VellmorPanelIcon";

// Windows 10 and later paint the taskbar dark unless the user chose light
// (SystemUsesLightTheme 1); older systems and Wine have no such value and a
// light taskbar.
bool TaskbarIsDark()
{
    DWORD light = 1;
    DWORD size = sizeof light;
    const LSTATUS status = RegGetValueW(
        HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
        L"SystemUsesLightTheme", RRF_RT_REG_DWORD, nullptr, &light, &size);
    return status == ERROR_SUCCESS && light == 0;
}

// The sign at the size the notification area asks for, or the next larger.
wxIcon SignIcon(int toki)
{
    const int wanted = GetSystemMetrics(SM_CXSMICON);
    int size = kPanelSignSizes[kPanelSignSizeCount - 1];
    for (const int s : kPanelSignSizes) {
        if (s >= wanted) {
            size = s;
            break;
        }
    }
    wxIcon icon;
    icon.CopyFromBitmap(LoadEmbeddedPng(PanelSignFile(toki, TaskbarIsDark(), size).c_str()));
    return icon;
}

}  // namespace

struct PanelIndicator::Native {
    std::vector<PanelMenuEntry> entries;
    MenuHandler onMenu;
    HWND window = nullptr;
    NOTIFYICONDATAW data{};
    wxIcon icon;  // the one data.hIcon names
    bool added = false;
    UINT taskbarCreated = 0;  // sent when Explorer starts again: the icon is added anew

    void PopUpMenu()
    {
        HMENU menu = CreatePopupMenu();
        for (const PanelMenuEntry& entry : entries) {
            if (entry.id == 0) {
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            } else {
                AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(entry.id),
                            wxString::FromUTF8(entry.text).wc_str());
            }
        }
        POINT at{};
        GetCursorPos(&at);
        // The menu closes when the user clicks elsewhere only if our window
        // is in front.
        SetForegroundWindow(window);
        const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                          at.x, at.y, 0, window, nullptr);
        PostMessageW(window, WM_NULL, 0, 0);
        DestroyMenu(menu);
        if (chosen != 0) {
            onMenu(chosen);
        }
    }

    static LRESULT CALLBACK Receive(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<Native*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && message == kIconMessage) {
            switch (LOWORD(lParam)) {
            case WM_RBUTTONUP:
            case WM_CONTEXTMENU:
                self->PopUpMenu();
                break;
            case WM_LBUTTONDBLCLK:
                if (!self->entries.empty() && self->entries.front().id != 0) {
                    self->onMenu(self->entries.front().id);
                }
                break;
            default:
                break;
            }
            return 0;
        }
        if (self && message == self->taskbarCreated && self->added) {
            self->data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
            Shell_NotifyIconW(NIM_ADD, &self->data);
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
};

PanelIndicator::PanelIndicator(const std::vector<PanelMenuEntry>& menu, MenuHandler onMenu)
    : native(std::make_unique<Native>())
{
    native->entries = menu;
    native->onMenu = std::move(onMenu);
    native->taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");

    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Native::Receive;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    RegisterClassW(&windowClass);  // fails harmlessly when already registered
    native->window = CreateWindowExW(0, kWindowClass, L"Vellmor", WS_POPUP, 0, 0, 0, 0, nullptr,
                                     nullptr, instance, nullptr);
    if (!native->window) {
        return;
    }
    SetWindowLongPtrW(native->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(native.get()));

    native->icon = SignIcon(0);
    NOTIFYICONDATAW& data = native->data;
    data.cbSize = sizeof data;
    data.hWnd = native->window;
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kIconMessage;
    data.hIcon = static_cast<HICON>(native->icon.GetHICON());
    CopyToWideBuffer(data.szTip, "Vellmor");
    native->added = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

PanelIndicator::~PanelIndicator()
{
    if (native->added) {
        native->data.uFlags = 0;
        Shell_NotifyIconW(NIM_DELETE, &native->data);
    }
    if (native->window) {
        DestroyWindow(native->window);
    }
}

bool PanelIndicator::PanelTookItem() const
{
    return native->added;
}

std::string PanelIndicator::Absence() const
{
    return native->added ? std::string() : std::string("no notification area took the icon");
}

void PanelIndicator::Show(const std::string& text, int toki)
{
    if (!native->added) {
        return;
    }
    wxIcon icon = SignIcon(toki);
    NOTIFYICONDATAW& data = native->data;
    data.uFlags = NIF_ICON | NIF_TIP;
    data.hIcon = static_cast<HICON>(icon.GetHICON());
    CopyToWideBuffer(data.szTip, text);
    Shell_NotifyIconW(NIM_MODIFY, &data);
    native->icon = icon;  // the old one goes once the area has the new one
}

void PanelIndicator::SetEntryText(int id, const std::string& text)
{
    for (PanelMenuEntry& entry : native->entries) {
        if (entry.id == id) {
            entry.text = text;
        }
    }
}
