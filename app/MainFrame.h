#pragma once

#include <wx/docview.h>

// The main window: caption, system menu, sizing border and minimise box, no
// maximise box; the clock view is its only child. Its title is "Vellmor"
// alone, never a document name.
class CMainFrame : public wxDocParentFrame {
public:
    CMainFrame(wxDocManager* manager, const wxString& title);

private:
    wxMenuBar* CreateClockMenuBar();
    void OnExit(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);
    void OnMaximize(wxMaximizeEvent& event);
};

// Window style of the main frame: no maximise box.
long MainFrameStyle();
