#include "TokiInfoDlg.h"

#include "ClockFonts.h"
#include "DialogIds.h"
#include "EmbeddedImage.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/font.h>

#include <algorithm>

namespace {

constexpr int kMeasuringFontTenths = 90;  // 9 points
constexpr int kHeadingFontTenths = 110;   // 11 points
constexpr int kFallbackDpi = 96;

// Night to day, the fills of bands 0..5.
const wxColour kBandColours[] = {{0, 0, 200},    {40, 40, 255},  {90, 90, 255},
                                 {255, 195, 60}, {255, 225, 60}, {255, 255, 60}};
const wxColour kTextBackground(200, 200, 200);
const wxColour kHeadingText(128, 0, 0);

// A font whose character cell is at most the height a size in tenths of a
// point has on this display: DPI * tenths / 720 pixels, truncated. The face
// is the dialog's Japanese gothic: the toolkit's default face takes its line
// height from Latin metrics and leaves the Japanese glyphs, drawn from a
// fallback font, too small to read in that cell.
wxFont CellHeightFont(wxWindow& window, int tenths)
{
    int dpi = LogicalDpi(window);
    if (dpi <= 0) {
        dpi = kFallbackDpi;
    }
    return MakeCellHeightFont(&window, window.GetFont().GetFaceName(), dpi * tenths / 720,
                              wxFONTWEIGHT_NORMAL, false);
}

}  // namespace

CTokiInfoDlg::CTokiInfoDlg(wxWindow* owner)
{
    if (CreateFromTemplate(owner, kTokiInfoTemplate)) {
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            wxPaintDC dc(this);
            PaintChart(dc);
        });
        Bind(wxEVT_CHAR_HOOK, &CTokiInfoDlg::OnKey, this);
        // GTK hands a window's keys to the widget holding its focus, and the
        // client area of a dialog never takes the focus by itself. With no
        // control to hold it, Enter and Esc would go nowhere.
        SetCanFocus(true);
    }
}

void CTokiInfoDlg::OnOpen()
{
    SetFocus();
    measuringFont = CellHeightFont(*this, kMeasuringFontTenths);
    headingFont = CellHeightFont(*this, kHeadingFontTenths);
    wxClientDC dc(this);
    dc.SetFont(measuringFont);
    // The calendar's line takes a row off the bottom of the chart: the
    // dialog keeps the template's size.
    const bool calendarLine = !data.calendar.text.empty();
    if (calendarLine) {
        moonPictures = LoadEmbeddedPicture("moon.png", GetContentScaleFactor());
    }
    const int tile = moonPictures.IsOk() ? moonPictures.GetLogicalSize().y : 0;
    const int lineHeight = calendarLine ? std::max(dc.GetCharHeight(), tile) : 0;
    layout = LayOutTokiChart(data, GetClientSize().y - lineHeight, dc.GetCharWidth(),
                              dc.GetCharHeight());
    laidOut = true;

    // The half-toki labels run right of the bar to the dialog's edge; where
    // this font's glyphs are wider than the template allowed for, widen the
    // dialog rather than cut them off, and so for the calendar's line. The
    // rows depend on the height only.
    int right = calendarLine ? LayOutCalendarLine(dc, lineHeight, tile) : 0;
    for (int i = 1; i < kChartBoundaryCount; i += 2) {
        const auto n = static_cast<std::size_t>(i);
        const wxString label = "-" + wxString::FromUTF8(data.entryLabels[n]);
        right = std::max(right, layout.halfLabelX + dc.GetTextExtent(label).x);
    }
    const wxSize client = GetClientSize();
    if (right + layout.charWidth > client.x) {
        SetClientSize(right + layout.charWidth, client.y);
    }
    Refresh();
}

int CTokiInfoDlg::LayOutCalendarLine(wxDC& dc, int lineHeight, int tile)
{
    // The text and the moon centred on one row, the moon half a character
    // after the text.
    const int textWidth = dc.GetTextExtent(wxString::FromUTF8(data.calendar.text)).x;
    const int top = layout.calendarLineY;
    calendarTextAt = wxPoint(layout.calendarLineX, top + (lineHeight - layout.charHeight) / 2);
    const int moonX = calendarTextAt.x + textWidth + layout.charWidth / 2;
    moonRect = tile > 0 ? wxRect(moonX, top + (lineHeight - tile) / 2, tile, tile) : wxRect();
    return tile > 0 ? moonRect.GetRight() + 1 : calendarTextAt.x + textWidth;
}

void CTokiInfoDlg::OnKey(wxKeyEvent& event)
{
    switch (event.GetKeyCode()) {
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        OnOK();
        break;
    case WXK_ESCAPE:
        OnCancel();
        break;
    default:
        event.Skip();
        break;
    }
}

void CTokiInfoDlg::PaintChart(wxDC& dc) const
{
    if (!laidOut) {
        return;
    }
    const TokiChartLayout& at = layout;
    const wxString mark[] = {wxString::FromUTF8("日出"), wxString::FromUTF8("日没"),
                             wxString::FromUTF8("南中")};

    // Bands from the outermost toki pair inwards, each over the last, then
    // the noon line at boundary 12 (a rectangle one row high). Rectangles
    // are outlined with the black pen; right and bottom edges are excluded.
    dc.SetPen(*wxBLACK_PEN);
    dc.SetTextBackground(kTextBackground);
    dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
    for (int k = 0; k <= 6; ++k) {
        if (k < 6) {
            dc.SetBrush(wxBrush(kBandColours[k]));
        }
        const int top = at.entryY[static_cast<std::size_t>(2 * k)];
        const int bottom = at.entryY[static_cast<std::size_t>(24 - 2 * k)] + 1;
        dc.DrawRectangle(at.barLeft, top, at.barRight - at.barLeft, bottom - top);
    }

    dc.SetTextForeground(kHeadingText);
    dc.SetFont(headingFont);
    dc.DrawText(wxString::FromUTF8(data.placeDateText), at.placeDateX, at.placeDateY);
    dc.SetFont(measuringFont);
    dc.DrawText(wxString::FromUTF8(data.coordinatesText), at.coordinatesX, at.coordinatesY);

    // Labels centred on their boundary: full toki on the bar, half toki
    // right of it after a dash.
    dc.SetTextForeground(*wxBLACK);
    for (int i = 0; i < kChartBoundaryCount; ++i) {
        const auto n = static_cast<std::size_t>(i);
        const int y = at.entryY[n] - at.halfCharHeight;
        const wxString label = wxString::FromUTF8(data.entryLabels[n]);
        if (i % 2 == 0) {
            dc.DrawText(label, at.fullLabelX, y);
        } else {
            dc.DrawText("-" + label, at.halfLabelX, y);
        }
    }

    dc.SetTextForeground(kHeadingText);
    dc.DrawText(mark[0], at.markX, at.sunriseY - at.halfCharHeight);
    dc.DrawText(wxString::FromUTF8(data.sunriseText), at.timeX, at.sunriseY - at.halfCharHeight);
    dc.DrawText(mark[1], at.markX, at.sunsetY - at.halfCharHeight);
    dc.DrawText(wxString::FromUTF8(data.sunsetText), at.timeX, at.sunsetY - at.halfCharHeight);
    dc.DrawText(mark[2], at.markX, at.entryY[12] - at.halfCharHeight);

    // The traditional calendar under the chart, and the moon after it.
    if (!data.calendar.text.empty()) {
        dc.SetTextForeground(*wxBLACK);
        dc.DrawText(wxString::FromUTF8(data.calendar.text), calendarTextAt);
        if (!moonRect.IsEmpty() && data.calendar.moonTile >= 0) {
            wxMemoryDC pictures(const_cast<wxBitmap&>(moonPictures));
            dc.Blit(moonRect.GetPosition(), moonRect.GetSize(), &pictures,
                    wxPoint(data.calendar.moonTile * moonRect.width, 0));
        }
    }

    dc.SetFont(wxNullFont);
    dc.SetBrush(wxNullBrush);
}
