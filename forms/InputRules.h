#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// How the dialogs turn the text of an edit into a value when they are
// accepted, and the message a rejected field shows. Texts are UTF-8.

// The message texts; %1 and %2 stand for the arguments.
extern const char* const kNotIntegerMessage;  // "整数を入力してください。"
extern const char* const kOutOfRangeMessage;  // "%1 から %2 までの整数を入力してください。"
extern const char* const kTooLongMessage;     // "%1 文字以内で入力してください。"

// Bytes of an edit's text that the integer rule looks at.
constexpr std::size_t kIntegerWindowBytes = 31;
// Longest place name, in Shift-JIS bytes.
constexpr std::size_t kPlaceNameMaxBytes = 20;

enum class InputError { None, NotInteger, OutOfRange, TooLong };

struct InputCheck {
    bool ok = false;
    int value = 0;                         // the integer read, when ok
    InputError error = InputError::None;
    std::string message;                   // the text to show; empty when ok
};

// Replaces %1..%9 in format by the arguments in order; a marker without an
// argument stays as it is.
std::string FormatMessageText(std::string_view format, std::initializer_list<std::string> args);

// The dialog integer rule: of the first kIntegerWindowBytes bytes, leading
// blanks and tabs are skipped, then an optional sign and decimal digits are
// read, saturating at the 32-bit limits; only blanks and tabs may follow. A
// value of 0 whose first character is not the digit 0 is rejected too, so
// "", "+0", "-0" and "abc" are not integers while "0", "00" and " 12 " are.
InputCheck ParseDialogInt(std::string_view text);

// The integer rule, then low <= value <= high.
InputCheck ParseDialogIntInRange(std::string_view text, int low, int high);

// A value already read against low..high.
InputCheck CheckIntRange(int value, int low, int high);

// A text of at most maxBytes bytes in Shift-JIS.
InputCheck CheckShiftJisLength(std::string_view text, std::size_t maxBytes);
