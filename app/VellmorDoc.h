#pragma once

#include <wx/docview.h>

// The clock's document holds nothing and is never modified, so closing the
// window never asks to save. A file named on the command line is opened
// without being read: any readable file gives the ordinary clock window.
class CVellmorDoc : public wxDocument {
public:
    CVellmorDoc() = default;

    // Whether file names a regular file that this process can read: the only
    // condition for opening it.
    static bool CanOpen(const wxString& file);

    bool IsModified() const override { return false; }
    void Modify(bool) override {}

protected:
    bool DoOpenDocument(const wxString& file) override;
    bool DoSaveDocument(const wxString&) override { return true; }

private:
    wxDECLARE_DYNAMIC_CLASS(CVellmorDoc);
};
