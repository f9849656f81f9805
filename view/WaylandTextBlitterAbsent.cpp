// The Wayland text blitter where the toolkit has no Wayland side (Windows):
// it never draws, so the view draws the time through the toolkit.
#include "WaylandTextBlitter.h"

struct WaylandTextBlitter::Compositor {};

WaylandTextBlitter::WaylandTextBlitter(wxWindow* target) : canvas(target) {}

WaylandTextBlitter::~WaylandTextBlitter() = default;

bool WaylandTextBlitter::Attach()
{
    unusable = true;
    return false;
}

bool WaylandTextBlitter::Draw(const std::string&, int, int, const TextStyle&, const TextRenderer&)
{
    return Attach();
}

void WaylandTextBlitter::Hide() {}
