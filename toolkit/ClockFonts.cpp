#include "ClockFonts.h"

#include <wx/dcclient.h>
#include <wx/fontenum.h>
#include <wx/math.h>
#include <wx/window.h>

#include <algorithm>

namespace {

wxString FirstAvailable(std::initializer_list<const char*> faces)
{
    for (const char* face : faces) {
        const wxString name = wxString::FromUTF8(face);
        if (wxFontEnumerator::IsValidFacename(name)) {
            return name;
        }
    }
    return wxString::FromUTF8(*faces.begin());
}

}  // namespace

wxString SerifFace()
{
    return FirstAvailable({"Times New Roman", "Liberation Serif", "DejaVu Serif"});
}

wxString JapaneseGothicFace()
{
    return FirstAvailable({"ＭＳ Ｐゴシック", "IPAPGothic", "IPAexGothic", "IPAGothic",
                           "Noto Sans CJK JP", "DejaVu Sans"});
}

wxFont MakeCellHeightFont(wxWindow* window, const wxString& face, int cellHeight, int weight,
                          bool italic)
{
    wxClientDC dc(window);
    const auto fontOf = [&](int points) {
        wxFont font(wxFontInfo(points).FaceName(face).Italic(italic).Encoding(wxFONTENCODING_DEFAULT));
        font.SetNumericWeight(weight);
        return font;
    };
    const auto cellOf = [&](const wxFont& font) {
        dc.SetFont(font);
        return dc.GetCharHeight();
    };
    // The largest whole point size whose cell fits. Measured directly: a
    // pixel size makes the toolkit search for the point size itself, with
    // many more measurements. The cell is taller than the em, so the size
    // whose em is the cell height is too large; scale it by what it measures.
    const int ppi = std::max(dc.GetPPI().y, 1);
    int points = std::max(1, cellHeight * 72 / ppi);
    const int tallCell = cellOf(fontOf(points));
    if (tallCell > cellHeight) {
        points = std::max(1, points * cellHeight / tallCell);
    }
    wxFont font = fontOf(points);
    while (points > 1 && cellOf(font) > cellHeight) {
        font = fontOf(--points);
    }
    for (;;) {
        wxFont larger = fontOf(points + 1);
        if (cellOf(larger) > cellHeight) {
            return font;
        }
        font = larger;
        ++points;
    }
}

int LogicalDpi(const wxWindow& window)
{
    const double scale = window.GetContentScaleFactor();
    return wxRound(window.GetDPI().y / (scale > 0 ? scale : 1.0));
}
