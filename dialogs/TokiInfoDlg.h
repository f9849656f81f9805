#pragma once

#include "ExchangeDialog.h"
#include "TokiChartData.h"
#include "TokiChartLayout.h"

#include <wx/font.h>

class wxDC;

// "ときの情報": the day's toki as a painted chart, no controls. The opener
// fills data; the rows are laid out once when the dialog opens, from its
// client height and a 9-point measuring font. Enter, Esc and the close box
// close it; what it returns means nothing.
class CTokiInfoDlg : public CExchangeDialog {
public:
    // owner nullptr: the program's main window.
    explicit CTokiInfoDlg(wxWindow* owner = nullptr);

    TokiChartData data;

    const TokiChartLayout& GetLayout() const { return layout; }
    bool IsLaidOut() const { return laidOut; }
    // Paints the chart as the paint handler does, for drawing into a bitmap.
    void PaintChart(wxDC& dc) const;

protected:
    void OnOpen() override;

private:
    void OnKey(wxKeyEvent& event);

    wxFont measuringFont;  // 9 points: the layout's metrics and all but the first heading
    wxFont headingFont;    // 11 points: the place and date
    TokiChartLayout layout;
    bool laidOut = false;
};
