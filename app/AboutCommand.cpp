#include "AboutCommand.h"

#include "VellmorVersion.h"

#include <wx/msgdlg.h>

void ShowAboutBox(wxWindow* parent)
{
    wxMessageBox(wxString::FromUTF8("Vellmor (Vellmor.exe)  " VELLMOR_ABOUT_VERSION), "Vellmor",
                 wxOK | wxICON_INFORMATION, parent);
}
