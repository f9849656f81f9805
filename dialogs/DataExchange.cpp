#include "DataExchange.h"

#include "DialogResources.h"
#include "InputRules.h"
#include "ClockTimeText.h"
#include "NamedFieldRules.h"
#include "ModalRun.h"
#include "ShiftJisInputLimit.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <climits>

const char* const kMessageCaption = "Vellmor";

namespace {

bool IsNoChoiceRadio(const wxWindow& window)
{
    return window.GetName() == kNoChoiceRadioName;
}

// The group's hidden stand-in for "none checked", if the group has one.
wxRadioButton* NoChoiceRadioAfter(wxRadioButton& first)
{
    const wxWindowList& siblings = first.GetParent()->GetChildren();
    auto node = siblings.Find(&first);
    for (node = node ? node->GetNext() : nullptr; node; node = node->GetNext()) {
        auto* radio = dynamic_cast<wxRadioButton*>(node->GetData());
        if (radio && radio->HasFlag(wxRB_GROUP)) {
            break;
        }
        if (radio && IsNoChoiceRadio(*radio)) {
            return radio;
        }
    }
    return nullptr;
}

}  // namespace

std::vector<wxRadioButton*> RadioGroupFrom(wxRadioButton& first)
{
    std::vector<wxRadioButton*> group{&first};
    const wxWindowList& siblings = first.GetParent()->GetChildren();
    auto node = siblings.Find(&first);
    for (node = node ? node->GetNext() : nullptr; node; node = node->GetNext()) {
        auto* radio = dynamic_cast<wxRadioButton*>(node->GetData());
        if (!radio) {
            continue;  // other controls inside a group are skipped
        }
        if (radio->HasFlag(wxRB_GROUP)) {
            break;
        }
        if (!IsNoChoiceRadio(*radio)) {
            group.push_back(radio);
        }
    }
    return group;
}

DataExchange::DataExchange(wxWindow& form, Direction way)
    : dialog(form), direction(way)
{
}

template <class Control>
Control* DataExchange::Find(int id) const
{
    auto* control = dynamic_cast<Control*>(dialog.FindWindow(id));
    wxASSERT_MSG(control, "the template lacks a control this dialog exchanges");
    return control;
}

bool DataExchange::Reject(wxTextCtrl& edit, const std::string& message)
{
    Reject(static_cast<wxWindow&>(edit), message);
    edit.SelectAll();
    return false;
}

bool DataExchange::Reject(wxWindow& control, const std::string& message)
{
    failed = true;
    ShowMessageBox(&dialog, wxString::FromUTF8(Message(message)),
                   wxString::FromUTF8(kMessageCaption), wxOK | wxICON_EXCLAMATION);
    control.SetFocus();
    return false;
}

std::string DataExchange::Message(const std::string& message) const
{
    return field ? NamedFieldMessage(field, message) : message;
}

void DataExchange::Named(const char* field, const std::function<void()>& exchangeField)
{
    this->field = field;
    exchangeField();
    field = nullptr;
}

bool DataExchange::Require(bool ok, int id, const std::string& message)
{
    wxWindow* control = dialog.FindWindow(id);
    if (failed || ok || direction == Direction::ToControls || !control) {
        return ok;
    }
    if (auto* edit = dynamic_cast<wxTextCtrl*>(control)) {
        return Reject(*edit, message);
    }
    return Reject(*control, message);
}

void DataExchange::Int(int id, int& value)
{
    IntInRange(id, value, INT_MIN, INT_MAX);
}

void DataExchange::IntInRange(int id, int& value, int low, int high)
{
    wxTextCtrl* edit = Find<wxTextCtrl>(id);
    if (failed || !edit) {
        return;
    }
    if (direction == Direction::ToControls) {
        edit->ChangeValue(wxString::Format("%d", value));
        return;
    }
    const std::string text = edit->GetValue().utf8_string();
    const InputCheck check = ParseDialogIntInRange(text, low, high);
    if (!check.ok) {
        Reject(*edit, check.message);
        return;
    }
    value = check.value;
}

void DataExchange::Text(int id, std::string& value, std::size_t maxBytes)
{
    wxTextCtrl* edit = Find<wxTextCtrl>(id);
    if (failed || !edit) {
        return;
    }
    if (direction == Direction::ToControls) {
        edit->ChangeValue(wxString::FromUTF8(value));
        LimitShiftJisInput(*edit, maxBytes);
        return;
    }
    const std::string text = edit->GetValue().utf8_string();
    const InputCheck check = CheckShiftJisLength(text, maxBytes);
    if (!check.ok) {
        Reject(*edit, check.message);
        return;
    }
    value = text;
}

void DataExchange::Radio(int firstId, int& index)
{
    wxRadioButton* first = Find<wxRadioButton>(firstId);
    if (failed || !first) {
        return;
    }
    const std::vector<wxRadioButton*> group = RadioGroupFrom(*first);
    const int count = static_cast<int>(group.size());
    if (direction == Direction::ToControls) {
        if (index >= 0 && index < count) {
            group[static_cast<std::size_t>(index)]->SetValue(true);
        } else if (wxRadioButton* none = NoChoiceRadioAfter(*first)) {
            none->SetValue(true);
        } else {
            for (wxRadioButton* radio : group) {
                radio->SetValue(false);
            }
        }
        return;
    }
    index = -1;
    for (int i = 0; i < count; ++i) {
        if (group[static_cast<std::size_t>(i)]->GetValue()) {
            index = i;
            break;
        }
    }
}

void DataExchange::Check(int id, int& value)
{
    wxCheckBox* box = Find<wxCheckBox>(id);
    if (failed || !box) {
        return;
    }
    if (direction == Direction::ToControls) {
        // A value a check box cannot hold, from a hand-edited file, becomes
        // 0 in the field too, so that whatever the dialog derives from the
        // field at opening agrees with the box. 2 stays: it counts as off
        // everywhere else in the clock, so it shows unchecked.
        if (value < 0 || value > 2) {
            value = 0;
        }
        box->SetValue(value == 1);
        return;
    }
    value = box->GetValue() ? 1 : 0;
}

void DataExchange::Choice(int id, int& index)
{
    wxChoice* choice = Find<wxChoice>(id);
    if (failed || !choice) {
        return;
    }
    if (direction == Direction::ToControls) {
        const bool inList = index >= 0 && index < static_cast<int>(choice->GetCount());
        choice->SetSelection(inList ? index : wxNOT_FOUND);
        return;
    }
    index = choice->GetSelection();  // wxNOT_FOUND is -1
}

void DataExchange::ClockTime(int id, std::string& value)
{
    wxTextCtrl* edit = Find<wxTextCtrl>(id);
    if (failed || !edit) {
        return;
    }
    if (direction == Direction::ToControls) {
        edit->ChangeValue(wxString::FromUTF8(value));
        return;
    }
    const InputCheck check = CheckClockTimeText(edit->GetValue().utf8_string());
    if (!check.ok) {
        Reject(*edit, check.message);
        return;
    }
    value = ClockTimeText(check.value);
}
