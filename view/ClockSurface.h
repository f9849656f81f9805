#pragma once

#include "ClockPlatform.h"
#include "TextStyle.h"

#include <wx/bitmap.h>
#include <wx/font.h>
#include <wx/gdicmn.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

class WaylandTextBlitter;
class X11TextBlitter;
class wxDC;
class wxWindow;

// What the clock window shows, and the fast way the time gets there.
//
// Everything is drawn into a backing bitmap and the window is painted from
// it, so exposing the window never loses a picture. The time, new once a
// second, is copied straight to the screen instead where the display allows
// (X11TextBlitter), and drawn into the bitmap only before anything else is
// drawn there or the window is painted from it: a picture drawn later lies
// over it, and no paint shows an older time. Coordinates are the window's
// logical pixels.
class ClockSurface {
public:
    explicit ClockSurface(wxWindow* canvas);
    ~ClockSurface();
    ClockSurface(const ClockSurface&) = delete;
    ClockSurface& operator=(const ClockSurface&) = delete;

    // The font of the texts drawn in `font`, made by `make` when the first
    // of them is drawn: sizing a font measures it at several sizes, and a
    // start should not pay that for fonts its first paint does not show (the
    // time comes with the first tick, the alarm's only when one is set).
    void SetFont(ClockFont font, std::function<wxFont()> make);
    // A white bitmap of the window's client size, with as many pixels as the
    // window shows at its scale, so that pictures and text keep their detail.
    void Create(const wxSize& client);

    // Copies the block `from` of a picture to `to`.
    void DrawPicture(const wxBitmap& picture, const wxRect& from, const wxPoint& to);
    // Black UTF-8 text on a cell of the style's background, top left at `at`.
    void DrawText(const std::string& text, const wxPoint& at, const TextStyle& style);
    // The time: as DrawText, but straight to the screen where it can be.
    void CopyTime(const std::string& text, const wxPoint& at, const TextStyle& style);

    // Everything is to be drawn again: the window is refreshed, and its next
    // paint wipes the bitmap first.
    void Invalidate();
    // Paints the window from the bitmap. After Invalidate the bitmap is wiped
    // (the time on it too) and drawAll draws everything again; its draws
    // neither refresh the window nor go straight to the screen, as this paint
    // shows them.
    void PaintTo(wxDC& dc, const std::function<void()>& drawAll);

    // The bitmap as the window shows it, for checks of the drawing.
    const wxBitmap& Bitmap();

private:
    struct Face {
        std::function<wxFont()> make;  // empty once made
        wxFont font;
        int lineHeight = 0;  // pixels of a line of text
    };
    // The time on the screen that the bitmap does not have yet.
    struct PendingTime {
        bool pending = false;
        bool overlaid = false;  // shown on the Wayland sub-surfaces
        std::string text;
        wxPoint at;
        TextStyle style;
    };

    const Face& FaceOf(ClockFont font);
    void Wipe();
    bool CopyStraight(const std::string& text, const wxPoint& at, const TextStyle& style);
    void DrawIntoBitmap(const std::string& text, const wxPoint& at, const TextStyle& style);
    void CatchUp();
    void TakeOverlayAway();
    void RefreshArea(const wxRect& area);

    wxWindow* window;  // owned by the frame
    wxBitmap backing;
    std::map<ClockFont, Face> faces;
    std::unique_ptr<X11TextBlitter> blitter;
    std::unique_ptr<WaylandTextBlitter> overlay;
    PendingTime straight;
    bool wipePending = true;  // the next paint draws everything again
    bool painting = false;    // inside PaintTo's drawAll
};
