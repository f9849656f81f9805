#include "ExchangeDialog.h"

#include "DataExchange.h"
#include "DialogResources.h"

#include <wx/button.h>

bool CExchangeDialog::CreateFromTemplate(wxWindow* owner, const wxString& name)
{
    if (!LoadDialogTemplate(*this, owner, name)) {
        return false;
    }
    Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent&) {
        TransferDataToWindow();
        OnOpen();
    });
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); }, wxID_OK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancel(); }, wxID_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { OnCancel(); });
    created_ = true;
    return true;
}

int CExchangeDialog::ShowModal()
{
    if (!created_) {
        return wxID_CANCEL;
    }
    // The main window may be told to close while this dialog runs (the
    // program is asked to end). Destroying it now would destroy this dialog,
    // a child of it, inside its own modal loop, and pull the opener's state
    // from under it. Instead the run ends as if cancelled, and the close is
    // asked for again once the opener has had this dialog's answer. Handlers
    // bound later run first: a nested dialog ends first and passes the close
    // on to the one below it.
    wxWindow* top = GetParent();
    while (top && top->GetParent()) {
        top = top->GetParent();  // the main window, also over a nested dialog
    }
    bool closeAsked = false;
    const auto holdClose = [this, &closeAsked](wxCloseEvent&) {
        closeAsked = true;
        Finish(wxID_CANCEL);
    };
    if (top) {
        top->Bind(wxEVT_CLOSE_WINDOW, holdClose);
    }
    const int code = wxDialog::ShowModal();
    if (top) {
        top->Unbind(wxEVT_CLOSE_WINDOW, holdClose);
        if (closeAsked) {
            top->CallAfter([top] { top->Close(true); });
        }
    }
    return code;
}

void CExchangeDialog::DoDataExchange(DataExchange&)
{
}

bool CExchangeDialog::TransferDataToWindow()
{
    DataExchange exchange(*this, DataExchange::Direction::ToControls);
    DoDataExchange(exchange);
    return true;
}

bool CExchangeDialog::TransferDataFromWindow()
{
    DataExchange exchange(*this, DataExchange::Direction::FromControls);
    DoDataExchange(exchange);
    return !exchange.Failed();
}

void CExchangeDialog::Finish(int code)
{
    SetReturnCode(code);
    if (IsModal()) {
        EndModal(code);
    } else {
        Hide();
    }
}

void CExchangeDialog::OnOK()
{
    if (TransferDataFromWindow()) {
        Finish(wxID_OK);
    }
}

void CExchangeDialog::OnCancel()
{
    Finish(wxID_CANCEL);
}
