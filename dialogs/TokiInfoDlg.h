#pragma once

#include "ExchangeDialog.h"
#include "TokiChartData.h"
#include "TokiChartLayout.h"

#include <wx/bitmap.h>
#include <wx/font.h>

class wxDC;

// "ときの情報": the day's toki as a painted chart, no controls, and under it
// a line of the traditional calendar with a picture of the moon's phase. The
// opener fills data; the rows are laid out once when the dialog opens, from
// its client height less the calendar's line and a 9-point measuring font.
// Enter, Esc and the close box close it; what it returns means nothing.
class CTokiInfoDlg : public CExchangeDialog {
public:
    // owner nullptr: the program's main window.
    explicit CTokiInfoDlg(wxWindow* owner = nullptr);

    TokiChartData data;

    const TokiChartLayout& GetLayout() const { return layout; }
    // Where the calendar's line and the moon's picture stand, in client
    // pixels: the text's top left corner, the picture's rectangle (empty
    // without one).
    wxPoint GetCalendarTextPosition() const { return calendarTextAt; }
    wxRect GetMoonRect() const { return moonRect; }
    bool IsLaidOut() const { return laidOut; }
    // Paints the chart as the paint handler does, for drawing into a bitmap.
    void PaintChart(wxDC& dc) const;

protected:
    void OnOpen() override;

private:
    void OnKey(wxKeyEvent& event);
    // Places the calendar's line, lineHeight high, and the moon, tile
    // pixels square, under the chart; returns the line's right edge.
    int LayOutCalendarLine(wxDC& dc, int lineHeight, int tile);

    wxFont measuringFont;  // 9 points: the layout's metrics and all but the first heading
    wxFont headingFont;    // 11 points: the place and date
    TokiChartLayout layout;
    wxBitmap moonPictures;  // moon.png at the window's scale
    wxPoint calendarTextAt;
    wxRect moonRect;
    bool laidOut = false;
};
