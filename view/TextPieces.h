#pragma once

#include <wx/bitmap.h>
#include <wx/dynarray.h>
#include <wx/string.h>

#include <functional>

// A text that changes every second, put on the screen in two pieces cut
// through the middle of its last ':' ("12:34:|56 "): the part after the cut
// is kept by its text (sixty seconds' worth for a clock), the part before it
// is rendered again whenever it changes (once a minute). The cut lies between
// the ink of the digits on either side, so the pieces join as the whole text
// would have been drawn.

// A text rendered as the window shows it: an opaque bitmap of exactly its
// cell, and after each character the width so far (GetPartialTextExtents).
struct TextRendering {
    wxBitmap bitmap;
    wxArrayInt extents;
};
using TextRenderer = std::function<TextRendering(const wxString& text)>;

// Pixels from the text's left to the cut: the middle of its last ':', or 0
// when it has none.
inline int TextCutX(const wxString& text, const wxArrayInt& extents)
{
    const std::size_t colon = text.rfind(':');
    if (colon == wxString::npos) {
        return 0;
    }
    const int left = colon == 0 ? 0 : extents[colon - 1];
    return (left + extents[colon]) / 2;
}
