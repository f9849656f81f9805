#pragma once

#include <wx/app.h>
#include <wx/docview.h>

// Keeps every frame title to the application name alone.
class VellmorDocManager : public wxDocManager {
public:
    wxString MakeFrameTitle(wxDocument*) override { return wxTheApp->GetAppDisplayName(); }
};
