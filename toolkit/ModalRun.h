#pragma once

#include <wx/string.h>

class wxCloseEvent;
class wxDialog;
class wxWindow;

// Ends dialog with code: a modal run returns it from ShowModal; a dialog
// shown modelessly is hidden and keeps it as its return code.
void EndDialogRun(wxDialog& dialog, int code);

// One modal run of a dialog or message box, for the life of this object,
// which is put around the dialog's ShowModal. Every dialog and message box of
// the clock runs in one, so that while it waits:
//
// - The clock keeps going: the timers of every LiveTimers table keep firing,
//   also when the run was started inside one of their own handlers.
// - A close request to the program's main window (the program is asked to
//   end) ends the run. Destroying the window then would destroy the dialog, a
//   child of it, inside its own modal loop, pull the opener's state from
//   under it, or leave the program waiting for a user who is gone. Instead
//   the run ends with closeCode, as if the user had cancelled it; once the
//   run is over (the opener has had the answer) the close is asked for
//   again. Runs made later act first: a box over a dialog ends first and
//   passes the close on to the dialog below it.
class ModalRun {
public:
    ModalRun(wxDialog& shown, int codeOnClose);
    ~ModalRun();
    ModalRun(const ModalRun&) = delete;
    ModalRun& operator=(const ModalRun&) = delete;

private:
    void OnMainWindowClose(wxCloseEvent& event);

    wxDialog& dialog;
    int closeCode;
    wxWindow* mainWindow;
    bool closeAsked = false;
};

// A message box (wxOK, wxICON_EXCLAMATION ... as for wxMessageBox) in a
// ModalRun; a close request ends it as Esc would. The toolkit's own box, not
// the native one: only it can be ended from outside its loop. An empty
// caption stands for the program's title.
int ShowMessageBox(wxWindow* parent, const wxString& text, const wxString& caption, long style);

// A box with the exclamation icon and two buttons, first and second, in a
// ModalRun. Returns 0 for the first, 1 for the second; Esc, the close box
// and a close request count as the first.
int ShowTwoButtonBox(wxWindow* parent, const wxString& text, const wxString& caption,
                     const wxString& first, const wxString& second);
