#include "AboutDlg.h"

#include "DialogIds.h"
#include "EmbeddedImage.h"
#include "VellmorVersion.h"

#include <wx/image.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/xrc/xmlres.h>

#include <algorithm>

namespace {

const char* const kIconFile = "vellmor-48.png";

// The program's icon, scaled down to fit the template's icon box, at scale 1
// and, from the icon drawn at twice the size, at scale 2.
wxBitmapBundle IconFitting(const wxSize& box)
{
    const wxBitmapBundle icon = LoadEmbeddedBundle(kIconFile);
    if (!icon.IsOk()) {
        return icon;
    }
    const wxSize single = icon.GetDefaultSize();
    const int side = std::min({box.x, box.y, single.x});
    if (side <= 0 || side == single.x) {
        return icon;
    }
    wxVector<wxBitmap> fitted;
    for (int scale : {1, 2}) {
        const wxBitmap drawn = icon.GetBitmap(single * scale);
        fitted.push_back(wxBitmap(
            drawn.ConvertToImage().Scale(side * scale, side * scale, wxIMAGE_QUALITY_HIGH)));
    }
    return wxBitmapBundle::FromBitmaps(fitted);
}

}  // namespace

wxString CAboutDlg::NameAndVersion()
{
    return wxString::FromUTF8("Vellmor (Vellmor.exe)  " VELLMOR_ABOUT_VERSION);
}

CAboutDlg::CAboutDlg(wxWindow* owner)
{
    if (!CreateFromTemplate(owner, kAboutTemplate)) {
        return;
    }
    if (auto* name = dynamic_cast<wxStaticText*>(FindWindow("name"))) {
        name->SetLabelText(NameAndVersion());
    }
    if (wxWindow* box = FindWindow("icon_container")) {
        // Owned by the dialog (reparented into the template's icon box).
        auto* icon = new wxStaticBitmap(this, wxID_ANY, IconFitting(box->GetSize()));
        wxXmlResource::Get()->AttachUnknownControl("icon", icon, this);
    }
}
