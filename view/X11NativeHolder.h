#pragma once

#include <gdk/gdk.h>

// The window with an X window of its own that holds `window`, and where
// `window`'s origin lies in it. GTK draws its client-side child windows (a
// wx canvas among them) into their toplevel; making one native instead would
// leave it unpainted.
inline GdkWindow* X11NativeHolder(GdkWindow* window, int& offsetX, int& offsetY)
{
    offsetX = offsetY = 0;
    while (window && !gdk_window_has_native(window)) {
        int x = 0, y = 0;
        gdk_window_get_position(window, &x, &y);
        offsetX += x;
        offsetY += y;
        window = gdk_window_get_parent(window);
    }
    return window;
}
