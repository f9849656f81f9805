#pragma once

#include <functional>

// Lets pending events run: paints, size changes, focus.
void Settle();
// Lets events run until done() holds, for input that travels through the
// display server; false if it never does within a few hundred rounds.
bool SettleUntil(const std::function<bool()>& done);
