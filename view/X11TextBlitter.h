#pragma once

#include "TextPieces.h"
#include "TextStyle.h"

#include <memory>
#include <string>

class wxWindow;

// Puts a text that changes every second on the screen without the toolkit's
// paint cycle. A repaint through GTK costs over half a millisecond of CPU
// however small the area; copying a rendered image that the X server already
// holds costs a few microseconds. So the text is rendered once in pieces, the
// pieces are kept in the server, and each draw is a copy onto the window.
//
// The pieces are those of TextPieces.h.
//
// Only on an X11 display at scale 1; elsewhere Draw returns false and the
// caller draws the usual way. The window's own paints know nothing of these
// copies: the caller keeps what it paints from up to date.
class X11TextBlitter {
public:
    using Rendering = TextRendering;
    using Renderer = TextRenderer;

    explicit X11TextBlitter(wxWindow* target);
    ~X11TextBlitter();
    X11TextBlitter(const X11TextBlitter&) = delete;
    X11TextBlitter& operator=(const X11TextBlitter&) = delete;

    // Copies the UTF-8 text with its top left at (x, y) of the canvas. style
    // is the one render draws in; pieces of another style are forgotten.
    // False when this display cannot take the copy (nothing drawn).
    bool Draw(const std::string& text, int x, int y, const TextStyle& style,
              const Renderer& render);

private:
    struct Server;  // the X side: display, window, cached pieces

    bool Attach();

    wxWindow* canvas;
    std::unique_ptr<Server> attached;  // the window the pieces were made for
    bool unusable = false;  // not X11, or the window cannot be drawn to
};
