// The text blitter where the clock's window is not on X11 (Windows, or a
// toolkit built without GDK's X11 side): it never draws, so the view draws
// the time through the toolkit.
#include "X11TextBlitter.h"

struct X11TextBlitter::Server {};

X11TextBlitter::X11TextBlitter(wxWindow* target) : canvas(target) {}

X11TextBlitter::~X11TextBlitter() = default;

bool X11TextBlitter::Attach()
{
    unusable = true;
    return false;
}

bool X11TextBlitter::Draw(const std::string&, int, int, const TextStyle&, const Renderer&)
{
    return Attach();
}
