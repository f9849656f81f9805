#pragma once

class wxWindow;

// The templates give edits, radio buttons and check boxes the small sizes of
// classic dialogs (an edit of 15 dialog units holds two digits). The GTK
// theme's padding around an entry's text and a button's indicator takes
// more than that: three digits in a 20-unit edit would scroll out of sight.
// Trims that padding on every such control directly inside parent; the
// controls keep their template sizes. Does nothing on other toolkits.
void CompactNativeControls(wxWindow& parent);

// A label wider than its template box (a font with wider glyphs than the one
// the template was laid out for) would be cut off at the box's right edge.
// Widens each such text directly inside parent to its label; position and
// height stay. Texts within their box keep the template's width.
void WidenClippedTexts(wxWindow& parent);
