#pragma once

#include <string>

// The built-in pictures of the branch signs (tools/draw_panel_signs.py).
// toki is 0..23; a half toki has its toki's sign. A dark panel takes the
// pale-ink variant.

// "vellmor-sign-09-dark": the icon name of the sign, the same at every size.
std::string PanelSignName(int toki, bool darkPanel);
// "panel-sign-09-dark-22.png": the built-in file of the sign at one size.
std::string PanelSignFile(int toki, bool darkPanel, int size);
// The sizes drawn, in pixels, smallest first; kPanelSignSizeCount of them.
constexpr int kPanelSignSizes[] = {16, 22, 24, 32, 48};
constexpr int kPanelSignSizeCount = 5;
