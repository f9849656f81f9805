#pragma once

// A blank or a tab: what the INI syntax skips around names and values, and
// the dialogs' number rule around a number. (The INI's leading-integer rule
// skips all of C's white space, as atoi does.)
inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}
