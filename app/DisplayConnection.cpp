#include "DisplayConnection.h"

#include <X11/Xlib.h>

#include <utility>

namespace {

std::function<void()> gLastWords;
XIOErrorHandler gToolkitHandler = nullptr;

int OnIoError(Display* display)
{
    if (gLastWords) {
        gLastWords();
    }
    // The toolkit's handler reports the loss and ends the process; Xlib ends
    // it should a handler ever return.
    return gToolkitHandler ? gToolkitHandler(display) : 0;
}

}  // namespace

void OnDisplayConnectionLost(std::function<void()> lastWords)
{
    gLastWords = std::move(lastWords);
    gToolkitHandler = XSetIOErrorHandler(&OnIoError);
}
