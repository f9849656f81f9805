#include "DialogTestKit.h"

#include "DataExchange.h"

#include <wx/app.h>
#include <wx/button.h>

void DialogTest::SetUp()
{
    owner = new wxFrame(nullptr, wxID_ANY, "Vellmor", wxPoint(0, 0), wxSize(200, 260));
    wxTheApp->SetTopWindow(owner);
    owner->Show();
    Settle();
}

void DialogTest::TearDown()
{
    owner->Destroy();
    Settle();
}

std::string EditText(wxWindow& dialog, int id)
{
    return Edit(dialog, id).GetValue().utf8_string();
}

void SetEditText(wxWindow& dialog, int id, const std::string& text)
{
    Edit(dialog, id).ChangeValue(wxString::FromUTF8(text));
}

void TypeInto(wxTextCtrl& edit, const std::string& text)
{
    edit.WriteText(wxString::FromUTF8(text));
}

namespace {

void Send(wxWindow& control, wxEventType type, int value)
{
    wxCommandEvent event(type, control.GetId());
    event.SetEventObject(&control);
    event.SetInt(value);
    control.ProcessWindowEvent(event);
}

}  // namespace

void ClickButton(wxWindow& dialog, int id)
{
    Send(Get<wxButton>(dialog, id), wxEVT_BUTTON, 0);
}

void ClickCheckBox(wxWindow& dialog, int id)
{
    auto& box = Get<wxCheckBox>(dialog, id);
    box.SetValue(!box.GetValue());
    Send(box, wxEVT_CHECKBOX, box.GetValue() ? 1 : 0);
}

void ClickRadio(wxWindow& dialog, int id)
{
    auto& radio = Get<wxRadioButton>(dialog, id);
    radio.SetValue(true);
    Send(radio, wxEVT_RADIOBUTTON, 1);
}

::testing::AssertionResult FocusedWithAllSelected(wxTextCtrl& edit)
{
    Settle();
    if (wxWindow::FindFocus() != &edit) {
        return ::testing::AssertionFailure() << "edit " << edit.GetId() << " has no focus";
    }
    long from = 0;
    long to = 0;
    edit.GetSelection(&from, &to);
    if (from != 0 || to != edit.GetLastPosition()) {
        return ::testing::AssertionFailure()
               << "selection " << from << ".." << to << " of " << edit.GetLastPosition();
    }
    return ::testing::AssertionSuccess();
}

int ExpectMessage::OnInvoked(wxGenericMessageDialog* box) const
{
    EXPECT_EQ(box->GetMessage().utf8_string(), expectedText);
    EXPECT_EQ(box->GetCaption().utf8_string(), kMessageCaption);
    const long style = box->GetMessageDialogStyle();
    EXPECT_TRUE(style & wxICON_EXCLAMATION) << "no exclamation icon";
    EXPECT_TRUE(style & wxOK);
    EXPECT_FALSE(style & (wxCANCEL | wxYES_NO)) << "more buttons than OK";
    if (answered) {
        ++*answered;
    }
    return wxID_OK;
}
