#pragma once

#include <wx/dialog.h>

class DataExchange;

// A dialog made from one of our templates whose plain fields travel to and
// from its controls through DoDataExchange: into them when the dialog opens,
// back out with validation when it is accepted.
//
// OK and Enter accept (the dialog stays open when a field is rejected);
// Cancel, Esc and the close box end it without reading anything.
// The dialog lives for one modal run.
class CExchangeDialog : public wxDialog {
public:
    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;
    // Cancel at once when the template could not be loaded. A close request
    // to the main window ends the run as Cancel (ModalRun).
    int ShowModal() override;

    // Ends the dialog with code: a modal run returns it from ShowModal; a
    // dialog shown modelessly is hidden and keeps it as its return code.
    void Finish(int code);

protected:
    CExchangeDialog() = default;

    // Builds the window from the template name and binds the standard
    // buttons; owner nullptr stands for the program's main window.
    bool CreateFromTemplate(wxWindow* owner, const wxString& name);

    // Lists the dialog's fields in exchange order.
    virtual void DoDataExchange(DataExchange& exchange);
    // Runs when the dialog opens, after the fields went into the controls.
    virtual void OnOpen() {}
    virtual void OnOK();
    virtual void OnCancel();

private:
    bool created = false;
};
