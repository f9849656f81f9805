#include "ExchangeDialog.h"

#include "DataExchange.h"
#include "DialogResources.h"
#include "ModalRun.h"

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
    created = true;
    return true;
}

int CExchangeDialog::ShowModal()
{
    if (!created) {
        return wxID_CANCEL;
    }
    // Asked to end while the dialog waits: it ends as if cancelled.
    ModalRun run(*this, wxID_CANCEL);
    return wxDialog::ShowModal();
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
    EndDialogRun(*this, code);
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
