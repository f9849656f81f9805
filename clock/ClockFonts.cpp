#include "ClockFonts.h"

#include <wx/dcclient.h>
#include <wx/fontenum.h>
#include <wx/window.h>

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

wxFont MakeCellHeightFont(wxWindow* window, const wxString& face, const wxString& fallbackFace,
                          int cellHeight, int weight, bool italic)
{
    const wxString name =
        (face.empty() || !wxFontEnumerator::IsValidFacename(face)) ? fallbackFace : face;
    wxClientDC dc(window);
    wxFont font;
    // Pixel sizes set the em height; the cell is taller. Shrink until it fits.
    for (int pixels = cellHeight; pixels > 4; --pixels) {
        font = wxFont(wxFontInfo(wxSize(0, pixels))
                          .FaceName(name)
                          .Italic(italic)
                          .Encoding(wxFONTENCODING_DEFAULT));
        font.SetNumericWeight(weight);
        dc.SetFont(font);
        if (dc.GetCharHeight() <= cellHeight) {
            break;
        }
    }
    return font;
}
