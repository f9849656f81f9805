#pragma once

#include "ClockPlatform.h"

// How a text of the clock is drawn: in which of its fonts, black on a cell
// of which colour. Texts of one style render alike, so the pieces the text
// blitter keeps hold for their style only.
struct TextStyle {
    ClockFont font = ClockFont::Large;
    Rgb background;

    bool operator==(const TextStyle& o) const
    {
        return font == o.font && background == o.background;
    }
    bool operator!=(const TextStyle& o) const { return !(*this == o); }
};
