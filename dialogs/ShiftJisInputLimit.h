#pragma once

#include <cstddef>

class wxTextCtrl;

// Limits what the user can type or paste into edit to maxBytes of Shift-JIS:
// the part of an insertion that does not fit is dropped. Text the program
// puts in with ChangeValue is not cut; call this again afterwards so that the
// limit knows it. The edit owns the limit.
void LimitShiftJisInput(wxTextCtrl& edit, std::size_t maxBytes);
