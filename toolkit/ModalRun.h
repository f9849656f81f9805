#pragma once

#include <wx/string.h>

class wxCloseEvent;
class wxDialog;
class wxWindow;

// Ends dialog with code: a modal run returns it from ShowModal; a dialog
// shown modelessly is hidden and keeps it as its return code.
void EndDialogRun(wxDialog& dialog, int code);

// Keeps the program's main window open while one modal run waits over it.
//
// The main window may be told to close while a dialog or message box runs
// modally (the program is asked to end). Destroying it then would destroy
// the dialog, a child of it, inside its own modal loop, pull the opener's
// state from under it, or leave the program waiting for a user who is gone.
// While a guard lives, that close instead ends the run with closeCode, as if
// the user had cancelled it; once the guard is gone (the opener has had the
// answer) the close is asked for again. Guards made later act first: a box
// over a dialog ends first and passes the close on to the dialog below it.
class ModalCloseGuard {
public:
    ModalCloseGuard(wxDialog& dialog, int closeCode);
    ~ModalCloseGuard();
    ModalCloseGuard(const ModalCloseGuard&) = delete;
    ModalCloseGuard& operator=(const ModalCloseGuard&) = delete;

private:
    void OnMainWindowClose(wxCloseEvent& event);

    wxDialog& dialog_;
    int closeCode_;
    wxWindow* mainWindow_;
    bool closeAsked_ = false;
};

// A message box (wxOK, wxICON_EXCLAMATION ... as for wxMessageBox) run
// modally under a ModalCloseGuard; a close request ends it as Esc would.
// The toolkit's own box, not the native one: only it can be ended from
// outside its loop. An empty caption stands for the program's title.
int ShowMessageBox(wxWindow* parent, const wxString& text, const wxString& caption, long style);
