// Notifications through the toolkit, which hands them to the session's
// notification service (libnotify with Debian's wx on GTK).
#include "DesktopNotifier.h"

#include <wx/notifmsg.h>

struct DesktopNotifier::Shown {
    wxNotificationMessage message;
};

DesktopNotifier::DesktopNotifier(wxWindow* owner) : owner(owner) {}

DesktopNotifier::~DesktopNotifier() = default;

void DesktopNotifier::Show(const std::string& summary, const std::string& body)
{
    // One message for the window's life, shown again with the new text: the
    // service is asked to replace the notification it shows (its id goes
    // with the call), so the clock's notifications never pile up.
    if (!shown) {
        shown = std::make_unique<Shown>();
    }
    shown->message.SetTitle(wxString::FromUTF8(summary));
    shown->message.SetMessage(wxString::FromUTF8(body));
    shown->message.SetParent(owner);
    shown->message.Show(wxNotificationMessage::Timeout_Auto);
}
