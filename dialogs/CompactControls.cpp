#include "CompactControls.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/window.h>

namespace {

#ifdef __WXGTK3__
const char* const kEntryCss =
    "entry { padding: 0px 2px; min-height: 0px; }";
const char* const kToggleCss =
    "radiobutton, checkbutton { padding: 0px; min-height: 0px; }"
    " radio, check { margin: 0px 2px 0px 0px; }";

// wx applies CSS to a window's own widget through a protected member; a
// pointer to it, named in a derived class, may be used on any window.
struct CssAccess : wxWindow {
    using wxWindow::GTKApplyCssStyle;
};

void ApplyCss(wxWindow& window, const char* css)
{
    void (wxWindow::*apply)(const char*) = &CssAccess::GTKApplyCssStyle;
    (window.*apply)(css);
}
#endif

}  // namespace

void CompactNativeControls(wxWindow& parent)
{
#ifdef __WXGTK3__
    for (wxWindow* child : parent.GetChildren()) {
        if (dynamic_cast<wxTextCtrl*>(child)) {
            ApplyCss(*child, kEntryCss);
        } else if (dynamic_cast<wxRadioButton*>(child) || dynamic_cast<wxCheckBox*>(child)) {
            ApplyCss(*child, kToggleCss);
        }
    }
#else
    (void)parent;
#endif
}

void WidenClippedTexts(wxWindow& parent)
{
    for (wxWindow* child : parent.GetChildren()) {
        auto* text = dynamic_cast<wxStaticText*>(child);
        if (!text) {
            continue;
        }
        const int needed = text->GetBestSize().x;
        if (needed > text->GetSize().x) {
            text->SetSize(needed, text->GetSize().y);
        }
    }
}
