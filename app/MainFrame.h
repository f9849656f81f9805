#pragma once

#include <wx/docview.h>

// The main window: caption, system menu, sizing border and minimise box, no
// maximise box; the clock view is its only child. Its title is "Vellmor"
// alone, never a document name.
class CMainFrame : public wxDocParentFrame {
public:
    CMainFrame(wxDocManager* manager, const wxString& title);

    // While held, a raise (the document manager raises the frame of a new
    // document, which shows it) does nothing: a start with --hidden.
    void HoldRaises(bool held) { raisesHeld = held; }
    void Raise() override;

private:
    wxMenuBar* CreateClockMenuBar();
    void OnExit(wxCommandEvent& event);
    // The panel menu's entry: the window hides, or shows and comes to the front.
    void OnShowHide(wxCommandEvent& event);
    // With the clock's item in the panel the close box hides the window;
    // 終了 and the session's end close it.
    void OnCloseRequest(wxCloseEvent& event);
    void OnHelp(wxCommandEvent& event);
    void OnMaximize(wxMaximizeEvent& event);
    bool InPanel() const;

    bool raisesHeld = false;
    bool exiting = false;  // 終了 was chosen: the close that follows ends the program
};

// Window style of the main frame: no maximise box.
long MainFrameStyle();
