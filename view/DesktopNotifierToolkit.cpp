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
    // A new one replaces the last: the object lives while its message shows.
    shown = std::make_unique<Shown>();
    shown->message.SetTitle(wxString::FromUTF8(summary));
    shown->message.SetMessage(wxString::FromUTF8(body));
    shown->message.SetParent(owner);
    shown->message.Show(wxNotificationMessage::Timeout_Auto);
}
