#pragma once

#include <wx/font.h>

class wxWindow;

// A font whose text cell (ascent + descent) is at most cellHeight pixels, the
// way the clock's artwork measures its texts. face falls back to fallbackFace
// when the system does not have it. weight: 100..900 (400 normal, 700 bold).
wxFont MakeCellHeightFont(wxWindow* window, const wxString& face, const wxString& fallbackFace,
                          int cellHeight, int weight, bool italic);

// "Times New Roman", or its metric twin where it is missing.
wxString SerifFace();
// "ＭＳ Ｐゴシック", or a proportional Japanese gothic where it is missing.
wxString JapaneseGothicFace();
