#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// What a byte-limited edit keeps of a change the user made.
struct FittedInput {
    std::string text;        // UTF-8
    std::size_t caret = 0;   // insertion point after the kept text, in characters
    bool cut = false;        // false: the change is kept as it is
};

// An edit limited to maxBytes of Shift-JIS went from before to after by one
// typing, paste or deletion. A change that leaves the text within the limit,
// or does not make it longer, is kept whole. Otherwise only as much of the
// inserted characters as fits is kept, cut between characters; what the user
// had before the change stays.
FittedInput FitShiftJisInput(std::string_view before, std::string_view after,
                             std::size_t maxBytes);
