#pragma once

#include <functional>

// Runs lastWords when the connection to the display breaks (the X server or
// the Wayland compositor ended, or the session with it), before the
// toolkit's own handling ends the process as it always has. lastWords must
// not use the display: it is gone. Call once, after the toolkit has opened
// the display.
void OnDisplayConnectionLost(std::function<void()> lastWords);
