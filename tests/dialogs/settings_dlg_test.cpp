// The settings dialog on screen: fill, copy-back, validation, the picker.
#include "DialogIds.h"
#include "DialogTestKit.h"
#include "LocationDlg.h"
#include "SettingsDlg.h"
#include "TabbedListBox.h"

#include <gtest/gtest.h>

#include <wx/radiobut.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The defaults of a new settings file, as the clock fills them in.
SettingsFields YokohamaFields()
{
    SettingsFields f;
    f.longitudeDegrees = 139;
    f.longitudeMinutes = 39;
    f.chimeIndex = 1;
    f.latitudeDegrees = 35;
    f.latitudeMinutes = 27;
    f.city = "横浜";
    f.twelveShiIndex = 0;
    f.chimeCountIndex = 2;
    f.addText = 0;
    return f;
}

const std::vector<int> kIntervalGroup = {kIdChimeEveryToki, kIdChimeEveryHalfToki,
                                         kIdChimeEveryHour, kIdChimeEveryHalfHour};
const std::vector<int> kCountGroup = {kIdCountSilent, kIdCountOnce, kIdCountAsToki};
const std::vector<int> kTwelveShiGroup = {kIdTemporalHours, kIdFixedHours};

// The index of the checked button of a group, -1 when none is.
int CheckedIn(wxWindow& dialog, const std::vector<int>& group)
{
    int checked = -1;
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (Get<wxRadioButton>(dialog, group[i]).GetValue()) {
            EXPECT_EQ(checked, -1) << "two buttons checked in one group";
            checked = static_cast<int>(i);
        }
    }
    return checked;
}

class SettingsDialogTest : public DialogTest {
protected:
    // Opens the dialog as a modal run opens it.
    void Open(const SettingsFields& fields)
    {
        dialog = new CSettingsDlg(owner);  // destroyed with owner
        dialog->fields = fields;
        dialog->Show();
        Settle();
    }

    // OK with one rejected field: the message, the dialog still open, the
    // focus on the edit with its whole text selected.
    void ExpectRejectedAtOk(int id, const std::string& message)
    {
        wxTEST_DIALOG(ClickButton(*dialog, wxID_OK), ExpectMessage(message));
        EXPECT_TRUE(dialog->IsShown());
        EXPECT_TRUE(FocusedWithAllSelected(Edit(*dialog, id)));
    }

    CSettingsDlg* dialog = nullptr;
};

TEST_F(SettingsDialogTest, OpensWithTheFieldsInTheControls)
{
    SettingsFields fields = YokohamaFields();
    fields.latitudeDegrees = -5;
    fields.addText = 1;
    fields.notify = 1;
    fields.startWithSession = 1;
    Open(fields);

    EXPECT_EQ(EditText(*dialog, kIdLongitudeDegrees), "139");
    EXPECT_EQ(EditText(*dialog, kIdLongitudeMinutes), "39");
    EXPECT_EQ(EditText(*dialog, kIdLatitudeDegrees), "-5");
    EXPECT_EQ(EditText(*dialog, kIdLatitudeMinutes), "27");
    EXPECT_EQ(EditText(*dialog, kIdCity), "横浜");
    EXPECT_EQ(CheckedIn(*dialog, kIntervalGroup), 1);
    EXPECT_EQ(CheckedIn(*dialog, kTwelveShiGroup), 0);
    EXPECT_EQ(CheckedIn(*dialog, kCountGroup), 2);
    EXPECT_TRUE(Get<wxCheckBox>(*dialog, kIdAddText).GetValue());
    EXPECT_FALSE(Get<wxCheckBox>(*dialog, kIdIndicator).GetValue());
    EXPECT_TRUE(Get<wxCheckBox>(*dialog, kIdNotify).GetValue());
    EXPECT_TRUE(Get<wxCheckBox>(*dialog, kIdStartWithSession).GetValue());
}

TEST_F(SettingsDialogTest, IndexOutsideAGroupChecksNoneAndOkReadsMinusOne)
{
    SettingsFields fields = YokohamaFields();
    fields.chimeIndex = -1;
    fields.twelveShiIndex = 2;
    fields.chimeCountIndex = 5;
    fields.addText = 2;  // hand-edited file: shown unchecked, read back as 0
    Open(fields);

    EXPECT_EQ(CheckedIn(*dialog, kIntervalGroup), -1);
    EXPECT_EQ(CheckedIn(*dialog, kTwelveShiGroup), -1);
    EXPECT_EQ(CheckedIn(*dialog, kCountGroup), -1);
    EXPECT_FALSE(Get<wxCheckBox>(*dialog, kIdAddText).GetValue());

    ClickButton(*dialog, wxID_OK);
    EXPECT_FALSE(dialog->IsShown());
    EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
    EXPECT_EQ(dialog->fields.chimeIndex, -1);
    EXPECT_EQ(dialog->fields.twelveShiIndex, -1);
    EXPECT_EQ(dialog->fields.chimeCountIndex, -1);
    EXPECT_EQ(dialog->fields.addText, 0);
}

TEST_F(SettingsDialogTest, ClickedRadioButtonsUncheckTheRestOfTheirGroupOnly)
{
    Open(YokohamaFields());
    ClickRadio(*dialog, kIdChimeEveryHalfHour);
    ClickRadio(*dialog, kIdCountSilent);
    EXPECT_EQ(CheckedIn(*dialog, kIntervalGroup), 3);
    EXPECT_EQ(CheckedIn(*dialog, kCountGroup), 0);
    EXPECT_EQ(CheckedIn(*dialog, kTwelveShiGroup), 0);
}

// Real mouse clicks through the display server, on radio buttons of each
// group, the check box and OK.
TEST_F(SettingsDialogTest, ClickedChoicesAreReadAtAClickOnOk)
{
    Open(YokohamaFields());
    wxUIActionSimulator input;
    const auto click = [&](int id) {
        wxWindow& control = *dialog->FindWindow(id);
        const wxRect box = control.GetScreenRect();
        input.MouseMove(box.GetLeftTop() + wxPoint(std::min(8, box.width / 2), box.height / 2));
        input.MouseClick();
    };
    click(kIdChimeEveryHalfHour);
    EXPECT_TRUE(SettleUntil([&] { return CheckedIn(*dialog, kIntervalGroup) == 3; }));
    click(kIdCountSilent);
    EXPECT_TRUE(SettleUntil([&] { return CheckedIn(*dialog, kCountGroup) == 0; }));
    click(kIdFixedHours);
    EXPECT_TRUE(SettleUntil([&] { return CheckedIn(*dialog, kTwelveShiGroup) == 1; }));
    click(kIdAddText);
    EXPECT_TRUE(SettleUntil([&] { return Get<wxCheckBox>(*dialog, kIdAddText).GetValue(); }));
    EXPECT_EQ(CheckedIn(*dialog, kIntervalGroup), 3);

    click(wxID_OK);
    EXPECT_TRUE(SettleUntil([&] { return !dialog->IsShown(); }));
    EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
    const SettingsFields& f = dialog->fields;
    EXPECT_EQ(f.chimeIndex, 3);
    EXPECT_EQ(f.chimeCountIndex, 0);
    EXPECT_EQ(f.twelveShiIndex, 1);
    EXPECT_EQ(f.addText, 1);
}

TEST_F(SettingsDialogTest, OkReadsEveryControlBack)
{
    Open(YokohamaFields());
    SetEditText(*dialog, kIdLongitudeDegrees, " 153 ");
    SetEditText(*dialog, kIdLongitudeMinutes, "00");
    SetEditText(*dialog, kIdLatitudeDegrees, "95");  // latitude is not range-checked
    SetEditText(*dialog, kIdLatitudeMinutes, "-3");
    SetEditText(*dialog, kIdCity, "");
    ClickRadio(*dialog, kIdChimeEveryHour);
    ClickRadio(*dialog, kIdFixedHours);
    ClickRadio(*dialog, kIdCountOnce);
    ClickCheckBox(*dialog, kIdAddText);
    for (int id : {kIdIndicator, kIdNotify, kIdStartWithSession}) {
        ClickCheckBox(*dialog, id);
    }

    ClickButton(*dialog, wxID_OK);

    EXPECT_FALSE(dialog->IsShown());
    EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
    const SettingsFields& f = dialog->fields;
    EXPECT_EQ(f.longitudeDegrees, 153);
    EXPECT_EQ(f.longitudeMinutes, 0);
    EXPECT_EQ(f.latitudeDegrees, 95);
    EXPECT_EQ(f.latitudeMinutes, -3);
    EXPECT_EQ(f.city, "");
    EXPECT_EQ(f.chimeIndex, 2);
    EXPECT_EQ(f.twelveShiIndex, 1);
    EXPECT_EQ(f.chimeCountIndex, 1);
    EXPECT_EQ(f.addText, 1);
    EXPECT_EQ(f.indicator, 1);
    EXPECT_EQ(f.notify, 1);
    EXPECT_EQ(f.startWithSession, 1);
}

TEST_F(SettingsDialogTest, RejectedFieldsShowTheirMessageAndKeepTheDialogOpen)
{
    const std::string notInteger = "整数を入力してください。";
    const std::string longitude = "122 から 153 までの整数を入力してください。";
    const std::string minutes = "0 から 59 までの整数を入力してください。";
    const struct {
        int id;
        std::string text;
        std::string message;
    } cases[] = {
        {kIdLongitudeDegrees, "121", longitude},
        {kIdLongitudeDegrees, "154", longitude},
        {kIdLongitudeDegrees, "", notInteger},
        {kIdLongitudeDegrees, "+0", notInteger},
        {kIdLongitudeMinutes, "60", minutes},
        {kIdLongitudeMinutes, "-1", minutes},
        {kIdLongitudeMinutes, "5分", notInteger},
        {kIdLatitudeDegrees, "abc", notInteger},
        {kIdLatitudeMinutes, "1.5", notInteger},
        // Longer than the edit lets anyone type: only the program puts it there.
        {kIdCity, "鹿児島鹿児島鹿児島鹿a", "20 文字以内で入力してください。"},  // 21 bytes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.id) + " \"" + c.text + "\"");
        Open(YokohamaFields());
        SetEditText(*dialog, c.id, c.text);
        ExpectRejectedAtOk(c.id, c.message);
        dialog->Destroy();
        Settle();
    }
}

TEST_F(SettingsDialogTest, FirstRejectedFieldStopsTheTransfer)
{
    Open(YokohamaFields());
    SetEditText(*dialog, kIdLongitudeDegrees, "140");    // read first: kept
    SetEditText(*dialog, kIdLongitudeMinutes, "75");     // rejected
    SetEditText(*dialog, kIdLatitudeDegrees, "junk");    // never read
    ClickRadio(*dialog, kIdChimeEveryToki);              // never read

    ExpectRejectedAtOk(kIdLongitudeMinutes, "0 から 59 までの整数を入力してください。");

    EXPECT_EQ(dialog->fields.longitudeDegrees, 140);
    EXPECT_EQ(dialog->fields.longitudeMinutes, 39);
    EXPECT_EQ(dialog->fields.chimeIndex, 1);
}

TEST_F(SettingsDialogTest, BoundaryValuesAndFullPlaceNameAreAccepted)
{
    const struct {
        std::string longitude;
        std::string city;
    } cases[] = {
        {"122", "鹿児島鹿児島鹿児島鹿"},  // 20 bytes
        {"153", ""},
        {"\t139\t", "ｷｬﾝｾﾙ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.longitude + " " + c.city);
        Open(YokohamaFields());
        SetEditText(*dialog, kIdLongitudeDegrees, c.longitude);
        SetEditText(*dialog, kIdCity, c.city);
        ClickButton(*dialog, wxID_OK);
        EXPECT_FALSE(dialog->IsShown());
        EXPECT_EQ(dialog->fields.city, c.city);
        dialog->Destroy();
        Settle();
    }
}

TEST_F(SettingsDialogTest, PlaceNameRefusesTypingBeyondTwentyBytes)
{
    Open(YokohamaFields());
    wxTextCtrl& city = Edit(*dialog, kIdCity);
    city.SetInsertionPointEnd();
    TypeInto(city, "鹿児島鹿児島鹿児");  // 2 + 16 = 18 bytes
    EXPECT_EQ(EditText(*dialog, kIdCity), "横浜鹿児島鹿児島鹿児");
    TypeInto(city, "島");  // would make 22
    EXPECT_EQ(EditText(*dialog, kIdCity), "横浜鹿児島鹿児島鹿児");
    EXPECT_EQ(city.GetInsertionPoint(), 10);

    // A paste keeps what fits of it, cut between characters.
    city.SetSelection(0, 2);  // 横浜
    TypeInto(city, "ab那覇c");
    EXPECT_EQ(EditText(*dialog, kIdCity), "ab那鹿児島鹿児島鹿児");
}

// Real keys through the display server: typing is refused at the limit, and
// Enter in an edit is OK, validation included.
TEST_F(SettingsDialogTest, TypedKeysAndEnter)
{
    SettingsFields fields = YokohamaFields();
    fields.city = "ｷｬﾝｾﾙｷｬﾝｾﾙｷｬﾝｾﾙｷｬﾝｾ";  // 19 bytes
    Open(fields);
    wxTextCtrl& city = Edit(*dialog, kIdCity);
    city.SetFocus();
    city.SetInsertionPointEnd();
    wxUIActionSimulator input;
    input.Text("ab");
    EXPECT_TRUE(SettleUntil([&] { return city.GetValue().length() >= 20; }));
    Settle();
    EXPECT_EQ(EditText(*dialog, kIdCity), "ｷｬﾝｾﾙｷｬﾝｾﾙｷｬﾝｾﾙｷｬﾝｾa");

    wxTextCtrl& longitude = Edit(*dialog, kIdLongitudeDegrees);
    longitude.SetFocus();
    longitude.SelectAll();
    input.Text("121");
    EXPECT_TRUE(SettleUntil([&] { return longitude.GetValue() == "121"; }));
    int messages = 0;
    wxTEST_DIALOG(
        {
            input.Char(WXK_RETURN);
            SettleUntil([&] { return messages == 1; });
        },
        ExpectMessage("122 から 153 までの整数を入力してください。", &messages));
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_TRUE(FocusedWithAllSelected(longitude));

    input.Text("140");  // replaces the selected text
    input.Char(WXK_RETURN);
    EXPECT_TRUE(SettleUntil([&] { return !dialog->IsShown(); }));
    EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
    EXPECT_EQ(dialog->fields.longitudeDegrees, 140);
    EXPECT_EQ(dialog->fields.city, "ｷｬﾝｾﾙｷｬﾝｾﾙｷｬﾝｾﾙｷｬﾝｾa");
}

TEST_F(SettingsDialogTest, ChosenCityFillsTheFiveLocationEditsOnly)
{
    Open(YokohamaFields());
    ClickRadio(*dialog, kIdChimeEveryHour);
    ClickCheckBox(*dialog, kIdAddText);

    wxTEST_DIALOG(ClickButton(*dialog, kIdChooseCity),
                  ExpectDialog<CLocationDlg>([](CLocationDlg& picker) {
                      picker.listBox->SetSelection(47);  // 那覇
                      ClickButton(picker, wxID_OK);
                  }));

    EXPECT_EQ(EditText(*dialog, kIdCity), "那覇");
    EXPECT_EQ(EditText(*dialog, kIdLatitudeDegrees), "26");
    EXPECT_EQ(EditText(*dialog, kIdLatitudeMinutes), "13");
    EXPECT_EQ(EditText(*dialog, kIdLongitudeDegrees), "127");
    EXPECT_EQ(EditText(*dialog, kIdLongitudeMinutes), "40");
    EXPECT_EQ(CheckedIn(*dialog, kIntervalGroup), 2);
    EXPECT_EQ(CheckedIn(*dialog, kCountGroup), 2);
    EXPECT_EQ(CheckedIn(*dialog, kTwelveShiGroup), 0);
    EXPECT_TRUE(Get<wxCheckBox>(*dialog, kIdAddText).GetValue());
    EXPECT_TRUE(dialog->IsShown());

    ClickButton(*dialog, wxID_OK);
    EXPECT_EQ(dialog->fields.city, "那覇");
    EXPECT_EQ(dialog->fields.longitudeDegrees, 127);
}

TEST_F(SettingsDialogTest, CancelledPickerChangesNothing)
{
    Open(YokohamaFields());
    SetEditText(*dialog, kIdLatitudeDegrees, "typed");
    wxTEST_DIALOG(ClickButton(*dialog, kIdChooseCity),
                  ExpectDialog<CLocationDlg>([](CLocationDlg& picker) {
                      picker.listBox->SetSelection(3);
                      ClickButton(picker, wxID_CANCEL);
                  }));
    EXPECT_EQ(EditText(*dialog, kIdCity), "横浜");
    EXPECT_EQ(EditText(*dialog, kIdLatitudeDegrees), "typed");
    EXPECT_EQ(EditText(*dialog, kIdLongitudeDegrees), "139");
}

TEST_F(SettingsDialogTest, CancelNeverValidates)
{
    Open(YokohamaFields());
    SetEditText(*dialog, kIdLongitudeDegrees, "not a number");
    ClickButton(*dialog, wxID_CANCEL);  // a message box here would fail the test
    EXPECT_FALSE(dialog->IsShown());
    EXPECT_EQ(dialog->GetReturnCode(), wxID_CANCEL);
    EXPECT_EQ(dialog->fields.longitudeDegrees, 139);
}

}  // namespace
