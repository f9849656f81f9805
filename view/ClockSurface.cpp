#include "ClockSurface.h"

#include "WaylandTextBlitter.h"
#include "X11TextBlitter.h"

#include <wx/dc.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/window.h>

#include <utility>

namespace {

wxColour ToColour(Rgb c)
{
    return wxColour(c.red, c.green, c.blue);
}

// Black text on an opaque background cell, as every text of the clock is drawn.
void PaintText(wxDC& dc, const wxFont& font, Rgb background, const wxString& text, int x, int y)
{
    dc.SetFont(font);
    dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
    dc.SetTextBackground(ToColour(background));
    dc.SetTextForeground(*wxBLACK);
    dc.DrawText(text, x, y);
}

}  // namespace

ClockSurface::ClockSurface(wxWindow* canvas)
    : window(canvas),
      blitter(std::make_unique<X11TextBlitter>(canvas)),
      overlay(std::make_unique<WaylandTextBlitter>(canvas))
{
}

ClockSurface::~ClockSurface() = default;

void ClockSurface::SetFont(ClockFont font, std::function<wxFont()> make)
{
    faces[font] = Face{std::move(make), wxFont(), 0};
}

const ClockSurface::Face& ClockSurface::FaceOf(ClockFont font)
{
    Face& face = faces[font];
    if (face.make) {
        face.font = face.make();
        face.make = nullptr;
        wxClientDC dc(window);
        dc.SetFont(face.font);
        face.lineHeight = dc.GetCharHeight();
    }
    return face;
}

void ClockSurface::Create(const wxSize& client)
{
    // Drawn in logical pixels all the same.
    backing.CreateWithDIPSize(client, window->GetContentScaleFactor());
    Wipe();
}

void ClockSurface::Wipe()
{
    TakeOverlayAway();
    straight.pending = false;
    wxMemoryDC dc(backing);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
}

void ClockSurface::DrawPicture(const wxBitmap& picture, const wxRect& from, const wxPoint& to)
{
    if (!picture.IsOk() || !backing.IsOk()) {
        return;
    }
    CatchUp();  // what was drawn first stays below
    wxMemoryDC source(const_cast<wxBitmap&>(picture));
    wxMemoryDC target(backing);
    target.Blit(to, from.GetSize(), &source, from.GetPosition());
    RefreshArea(wxRect(to, from.GetSize()));
}

void ClockSurface::DrawText(const std::string& text, const wxPoint& at, const TextStyle& style)
{
    if (!backing.IsOk()) {
        return;
    }
    CatchUp();
    DrawIntoBitmap(text, at, style);
    // Measuring the text would lay it out a second time; the rest of the
    // line is refreshed instead.
    RefreshArea(wxRect(at.x, at.y, backing.GetLogicalWidth() - at.x, FaceOf(style.font).lineHeight));
}

void ClockSurface::CopyTime(const std::string& text, const wxPoint& at, const TextStyle& style)
{
    if (!backing.IsOk()) {
        return;
    }
    if (!painting && CopyStraight(text, at, style)) {
        return;
    }
    DrawText(text, at, style);
}

bool ClockSurface::CopyStraight(const std::string& text, const wxPoint& at,
                                const TextStyle& style)
{
    if (straight.pending && (at != straight.at || style.font != straight.style.font)) {
        CatchUp();  // another place: the one before must not be lost
    }
    const wxFont& font = FaceOf(style.font).font;
    const auto render = [this, &font, &style](const wxString& str) {
        TextRendering rendering;
        wxMemoryDC measure(backing);
        measure.SetFont(font);
        const wxSize size = measure.GetTextExtent(str);
        measure.GetPartialTextExtents(str, rendering.extents);
        measure.SelectObject(wxNullBitmap);
        if (size.x <= 0 || size.y <= 0) {
            return rendering;
        }
        rendering.bitmap = wxBitmap(size);
        wxMemoryDC to(rendering.bitmap);
        PaintText(to, font, style.background, str, 0, 0);
        return rendering;
    };
    bool overlaid = false;
    if (!blitter->Draw(text, at.x, at.y, style, render)) {
        if (!overlay->Draw(text, at.x, at.y, style, render)) {
            return false;
        }
        overlaid = true;
    }
    straight.pending = true;
    straight.overlaid = overlaid;
    straight.text = text;
    straight.at = at;
    straight.style = style;
    return true;
}

void ClockSurface::DrawIntoBitmap(const std::string& text, const wxPoint& at,
                                  const TextStyle& style)
{
    wxMemoryDC to(backing);
    PaintText(to, FaceOf(style.font).font, style.background, wxString::FromUTF8(text), at.x, at.y);
}

void ClockSurface::CatchUp()
{
    if (straight.pending) {
        straight.pending = false;
        DrawIntoBitmap(straight.text, straight.at, straight.style);
        TakeOverlayAway();
    }
}

void ClockSurface::TakeOverlayAway()
{
    if (!straight.overlaid) {
        return;
    }
    straight.overlaid = false;
    overlay->Hide();  // with the window's next frame, which has the time
    RefreshArea(wxRect(straight.at.x, straight.at.y, backing.GetLogicalWidth() - straight.at.x,
                       FaceOf(straight.style.font).lineHeight));
}

void ClockSurface::RefreshArea(const wxRect& area)
{
    if (!painting) {
        window->RefreshRect(area, false);
    }
}

void ClockSurface::Invalidate()
{
    wipePending = true;
    window->Refresh(true);
}

void ClockSurface::PaintTo(wxDC& dc, const std::function<void()>& drawAll)
{
    if (!backing.IsOk()) {
        return;
    }
    if (wipePending) {
        wipePending = false;
        Wipe();  // the time too: the next tick draws it again
        painting = true;
        drawAll();
        painting = false;
    }
    CatchUp();
    dc.DrawBitmap(backing, 0, 0);
}

const wxBitmap& ClockSurface::Bitmap()
{
    CatchUp();
    return backing;
}
