#pragma once

#include "TextPieces.h"
#include "TextStyle.h"

#include <memory>
#include <string>

class wxWindow;

// Puts a text that changes every second on a Wayland screen without the
// toolkit's paint cycle. There, each repaint through GTK draws into a new
// shared-memory buffer of the whole window, copies the last frame into it and
// commits it: about twice the CPU of an idle wx program, spent once a second.
// Instead the two pieces of the text (TextPieces.h) are rendered once into
// buffers of their own that the compositor keeps, shown on two sub-surfaces
// of the window placed over the text's cell; each draw attaches the pieces'
// buffers and commits those small surfaces alone, a few microseconds.
//
// The sub-surfaces lie over the window, so whatever the window later paints
// in their place would stay hidden: Hide takes them away, together with the
// window's next frame (which then has that text, drawn the usual way).
//
// Only on a Wayland display at scale 1; elsewhere Draw returns false and the
// caller draws the usual way. They take no input: clicks reach the window.
class WaylandTextBlitter {
public:
    explicit WaylandTextBlitter(wxWindow* target);
    ~WaylandTextBlitter();
    WaylandTextBlitter(const WaylandTextBlitter&) = delete;
    WaylandTextBlitter& operator=(const WaylandTextBlitter&) = delete;

    // Shows the UTF-8 text with its top left at (x, y) of the canvas. style
    // is the one render draws in; pieces of another style are forgotten.
    // False when this display cannot show it (nothing shown): the caller
    // draws the text itself, and its repaint also puts the sub-surfaces in
    // place for the next time.
    bool Draw(const std::string& text, int x, int y, const TextStyle& style,
              const TextRenderer& render);
    // Takes the text away with the window's next frame.
    void Hide();

private:
    struct Compositor;  // the Wayland side: surfaces and cached pieces

    bool Attach();

    wxWindow* canvas;
    std::unique_ptr<Compositor> attached;
    bool unusable = false;  // not Wayland, or the compositor lacks a part
};
