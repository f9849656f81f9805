#include "ModalRun.h"

#include "LiveTimers.h"

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/msgdlg.h>
#include <wx/generic/msgdlgg.h>

namespace {

// The top of the owner chain: the main window, also for a box over a
// nested dialog. A dialog made without an owner belongs to the main window.
wxWindow* MainWindowAbove(wxWindow& dialog)
{
    wxWindow* top = dialog.GetParent();
    while (top && top->GetParent()) {
        top = top->GetParent();
    }
    if (!top && wxTheApp) {
        top = wxTheApp->GetTopWindow();
    }
    return top == &dialog ? nullptr : top;
}

}  // namespace

void EndDialogRun(wxDialog& dialog, int code)
{
    dialog.SetReturnCode(code);
    if (dialog.IsModal()) {
        dialog.EndModal(code);
    } else if (dialog.IsShown()) {
        dialog.Hide();
    }
}

ModalRun::ModalRun(wxDialog& shown, int codeOnClose)
    : dialog(shown), closeCode(codeOnClose), mainWindow(MainWindowAbove(shown))
{
    LiveTimers::HandOverAllFiring();
    if (mainWindow) {
        mainWindow->Bind(wxEVT_CLOSE_WINDOW, &ModalRun::OnMainWindowClose, this);
    }
}

ModalRun::~ModalRun()
{
    if (!mainWindow) {
        return;
    }
    mainWindow->Unbind(wxEVT_CLOSE_WINDOW, &ModalRun::OnMainWindowClose, this);
    if (closeAsked) {
        wxWindow* top = mainWindow;
        top->CallAfter([top] { top->Close(true); });
    }
}

void ModalRun::OnMainWindowClose(wxCloseEvent&)
{
    closeAsked = true;
    EndDialogRun(dialog, closeCode);
}

int ShowMessageBox(wxWindow* parent, const wxString& text, const wxString& caption, long style)
{
    const wxString title =
        caption.empty() && wxTheApp ? wxTheApp->GetAppDisplayName() : caption;
    wxGenericMessageDialog box(parent, text, title, style);
    // As Esc ends it: Cancel where the box has that button, else OK.
    const int dismissed = (style & wxCANCEL) ? wxID_CANCEL : wxID_OK;
    ModalRun run(box, dismissed);
    return box.ShowModal();
}

int ShowTwoButtonBox(wxWindow* parent, const wxString& text, const wxString& caption,
                     const wxString& first, const wxString& second)
{
    wxGenericMessageDialog box(parent, text, caption, wxYES_NO | wxICON_EXCLAMATION);
    box.SetYesNoLabels(first, second);
    box.SetEscapeId(wxID_YES);
    ModalRun run(box, wxID_YES);
    return box.ShowModal() == wxID_NO ? 1 : 0;
}
