#pragma once

#include <functional>

// Runs lastWords when the connection to the X server breaks (the server
// ended, or the session with it), before the toolkit's own handler ends the
// process as it always has. lastWords must not use the display: it is gone.
// Call once, after the toolkit has opened the display.
void OnDisplayConnectionLost(std::function<void()> lastWords);
