#include "DisplayConnection.h"

#include <X11/Xlib.h>
#include <glib.h>

#include <cstring>
#include <utility>

namespace {

std::function<void()> gLastWords;
XIOErrorHandler gToolkitHandler = nullptr;

void SayLastWords()
{
    if (gLastWords) {
        auto lastWords = std::move(gLastWords);
        gLastWords = nullptr;
        lastWords();
    }
}

int OnIoError(Display* display)
{
    SayLastWords();
    // The toolkit's handler reports the loss and ends the process; Xlib ends
    // it should a handler ever return.
    return gToolkitHandler ? gToolkitHandler(display) : 0;
}

// The messages with which GDK's Wayland backend reports a broken connection
// to the compositor, just before it ends the process with _exit(1): there is
// no signal or callback for it, only this log message.
bool IsWaylandConnectionLoss(const char* domain, const char* message)
{
    if (!domain || !message || std::strcmp(domain, "Gdk") != 0) {
        return false;
    }
    for (const char* prefix :
         {"Lost connection to Wayland compositor", "Error reading events from display",
          "Error flushing display"}) {
        if (std::strncmp(message, prefix, std::strlen(prefix)) == 0) {
            return true;
        }
    }
    return std::strstr(message, "dispatching to Wayland display") != nullptr;
}

// GLib's log writer: passes every message on to GLib's default writer, after
// the last words when the message is the compositor's loss.
GLogWriterOutput WriteLog(GLogLevelFlags level, const GLogField* fields, gsize count,
                          gpointer userData)
{
    const char* domain = nullptr;
    const char* message = nullptr;
    for (gsize i = 0; i < count; ++i) {
        if (std::strcmp(fields[i].key, "GLIB_DOMAIN") == 0) {
            domain = static_cast<const char*>(fields[i].value);
        } else if (std::strcmp(fields[i].key, "MESSAGE") == 0) {
            message = static_cast<const char*>(fields[i].value);
        }
    }
    if (IsWaylandConnectionLoss(domain, message)) {
        SayLastWords();
    }
    return g_log_writer_default(level, fields, count, userData);
}

}  // namespace

void OnDisplayConnectionLost(std::function<void()> lastWords)
{
    gLastWords = std::move(lastWords);
    gToolkitHandler = XSetIOErrorHandler(&OnIoError);
    // GLib takes one writer for the life of the process, and aborts when a
    // second is set: wxApp::GTKAllowDiagnosticsControl() would set wx's own.
    static const bool writerSet = (g_log_set_writer_func(&WriteLog, nullptr, nullptr), true);
    (void)writerSet;
}
