#pragma once

#include <memory>
#include <string>

class wxWindow;

// Desktop notifications of the clock window, the system's own way: through
// the session's notification service (libnotify, by the toolkit) on Linux,
// a balloon from an icon in the notification area on Windows. Where the
// desktop has none, nothing shows and nothing fails.
class DesktopNotifier {
public:
    explicit DesktopNotifier(wxWindow* owner);
    ~DesktopNotifier();
    DesktopNotifier(const DesktopNotifier&) = delete;
    DesktopNotifier& operator=(const DesktopNotifier&) = delete;

    // Shows summary and body (UTF-8); returns at once.
    void Show(const std::string& summary, const std::string& body);

private:
    struct Shown;
    wxWindow* owner;
    std::unique_ptr<Shown> shown;  // made at the first; shown again for each later one
};
