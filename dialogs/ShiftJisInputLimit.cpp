#include "ShiftJisInputLimit.h"

#include "ShiftJisInput.h"

#include <wx/clntdata.h>
#include <wx/textctrl.h>

#include <string>

namespace {

// The state of one limited edit: its limit and the text last accepted, which
// the next change is measured against.
class InputLimit : public wxClientData {
public:
    explicit InputLimit(wxTextCtrl& control) : edit(control) {}

    void Reset(std::size_t limit)
    {
        maxBytes = limit;
        accepted = edit.GetValue().utf8_string();
    }

    void OnText(wxCommandEvent& event)
    {
        const FittedInput fitted =
            FitShiftJisInput(accepted, edit.GetValue().utf8_string(), maxBytes);
        if (fitted.cut) {
            edit.ChangeValue(wxString::FromUTF8(fitted.text));
            edit.SetInsertionPoint(static_cast<long>(fitted.caret));
        }
        accepted = fitted.text;
        event.Skip();
    }

private:
    wxTextCtrl& edit;
    std::size_t maxBytes = 0;
    std::string accepted;  // UTF-8
};

}  // namespace

void LimitShiftJisInput(wxTextCtrl& edit, std::size_t maxBytes)
{
    auto* limit = dynamic_cast<InputLimit*>(edit.GetClientObject());
    if (!limit) {
        limit = new InputLimit(edit);  // owned by edit
        edit.SetClientObject(limit);
        edit.Bind(wxEVT_TEXT, [limit](wxCommandEvent& event) { limit->OnText(event); });
    }
    limit->Reset(maxBytes);
}
