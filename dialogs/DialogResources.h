#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>

class wxDialog;
class wxWindow;

// Name that marks the hidden radio button added to the end of each radio
// group of a template (see LoadDialogResources).
extern const char* const kNoChoiceRadioName;

// Loads the dialog templates built into the program (resources/xrc/*.xrc)
// into the toolkit's resource registry, once; later calls do nothing.
// Returns false when a template is missing or malformed.
//
// A GTK radio group always has one button checked, while our dialogs may
// open with none checked. Each radio group therefore gets one more, hidden
// button as its last member; checking it unchecks the visible ones.
bool LoadDialogResources();

// Creates dialog from the template name as a child of owner, then sizes and
// places it the way the template says, in dialog units of the dialog's own
// font: its <size> is the client size, its <pos> the offset of its top left
// corner from the top left corner of the owner's client area; a <pos> of
// 0,0 centres it over the owner instead. An owner of nullptr stands for the
// program's main window.
bool LoadDialogTemplate(wxDialog& dialog, wxWindow* owner, const wxString& name);

// "223,245d" -> (223, 245); false for anything else.
bool ParseDialogUnitPair(const wxString& text, wxPoint& out);
