#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class wxRadioButton;
class wxTextCtrl;
class wxWindow;

// Moves a dialog's plain fields into its controls (when it opens) and back
// out of them with validation (when it is accepted). A dialog lists its
// fields once, in DoDataExchange, and both directions follow that order.
//
// Out of the controls, the first rejected field stops the exchange: its
// message is shown in a box captioned "Vellmor" with the exclamation icon and
// an OK button, the focus moves to the field's edit and its whole text is
// selected. Fields read before it keep their new values; a rejected field and
// those after it keep their old ones.
class DataExchange {
public:
    enum class Direction { ToControls, FromControls };

    DataExchange(wxWindow& form, Direction way);

    Direction GetDirection() const { return direction; }
    bool Failed() const { return failed; }

    // An edit holding a whole number (the dialog integer rule), shown as
    // signed decimal text.
    void Int(int id, int& value);
    // As Int, and the number must lie in low..high.
    void IntInRange(int id, int& value, int low, int high);
    // An edit holding text of at most maxBytes in Shift-JIS; typing beyond
    // that is refused while the dialog is open.
    void Text(int id, std::string& value, std::size_t maxBytes);
    // A radio group, given by its first button: the index of the checked
    // button, -1 when none is. An index outside the group checks none.
    void Radio(int firstId, int& index);
    // A check box: 1 checked, 0 unchecked. Into the box, a value outside
    // 0..2 is first replaced by 0; 2 shows unchecked.
    void Check(int id, int& value);
    // A choice (drop-down list): the index of the chosen item, -1 for none.
    // An index outside the list chooses none.
    void Choice(int id, int& index);
    // An edit holding a clock time "HH:MM" (one or two hour digits), shown
    // and stored as "HH:MM".
    void ClockTime(int id, std::string& value);

    // Exchanges one field, given as a call of the above, under a name: a
    // message it shows says which field it is about ("前後の分: ...").
    // Fields not named show the bare message.
    void Named(const char* field, const std::function<void()>& exchangeField);
    // Out of the controls: refuses them at control id (the focus goes there;
    // an edit gets its whole text selected) with the message, unless ok or
    // an earlier field failed. Returns ok.
    bool Require(bool ok, int id, const std::string& message);

private:
    template <class Control>
    Control* Find(int id) const;
    bool Reject(wxTextCtrl& edit, const std::string& message);
    bool Reject(wxWindow& control, const std::string& message);
    // The message with the name of the field being exchanged, if it has one.
    std::string Message(const std::string& message) const;

    wxWindow& dialog;
    Direction direction;
    bool failed = false;
    const char* field = nullptr;  // the name for the next message, if any
};

// The buttons of the radio group that starts at first, in tab order: first
// and the radio buttons after it, up to the next one that starts a group.
// The group's hidden "none checked" button is not among them.
std::vector<wxRadioButton*> RadioGroupFrom(wxRadioButton& first);

// The caption of every message a dialog shows.
extern const char* const kMessageCaption;  // "Vellmor"
