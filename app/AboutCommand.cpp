#include "AboutCommand.h"

#include "AboutDlg.h"

void ShowAboutBox(wxWindow* parent)
{
    CAboutDlg dialog(parent);
    dialog.ShowModal();
}
