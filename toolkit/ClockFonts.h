#pragma once

#include <wx/font.h>

class wxWindow;

// The largest whole point size of face whose text cell (ascent + descent)
// is at most cellHeight pixels on window's display, the way the clock's
// artwork measures its texts. face is one the system has (SerifFace,
// JapaneseGothicFace, a window's own font). weight: 100..900 (400 normal,
// 700 bold).
wxFont MakeCellHeightFont(wxWindow* window, const wxString& face, int cellHeight, int weight,
                          bool italic);

// These return a face the system has.
// "Times New Roman", or its metric twin where it is missing.
wxString SerifFace();
// "ＭＳ Ｐゴシック", or a proportional Japanese gothic where it is missing.
wxString JapaneseGothicFace();

// Dots per inch of the window's logical pixels, those that sizes and
// positions count; 0 when the display does not say. The toolkit's DPI counts
// the screen's own pixels, two to a logical pixel at a scale of 2.
int LogicalDpi(const wxWindow& window);
