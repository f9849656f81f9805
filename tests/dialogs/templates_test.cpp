// The dialog templates: titles, sizes and places in dialog units, and each
// control with its id, text, rectangle and tab order.
#include "AboutDlg.h"
#include "AlarmDlg.h"
#include "DialogIds.h"
#include "DialogResources.h"
#include "DialogTestKit.h"
#include "LocationDlg.h"
#include "SettingsDlg.h"
#include "TokiAlarmEditDlg.h"
#include "TokiAlarmListDlg.h"
#include "TokiInfoDlg.h"

#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// One control as the template lists it. kind: 'B' button, 'D' default
// button, 'G' group box, 'R' radio button, 'r' radio button starting a
// group, 'E' edit, 'T' text, 'C' check box, 'H' choice, 'V' list view,
// 'L' list.
struct Control {
    char kind;
    int id;  // 0: no id of its own
    const char* text;
    int x, y, w, h;
};

struct Template {
    const char* title;
    wxSize sizeDu;
    std::vector<Control> controls;
};

const Template kSettings = {
    "Vellmor の設定",
    {223, 352},
    {
        {'D', wxID_OK, "OK", 115, 175, 70, 60},
        {'B', wxID_CANCEL, "ｷｬﾝｾﾙ", 190, 175, 25, 60},
        {'G', 0, "鐘をつく間隔", 5, 10, 135, 85},
        {'r', 1009, "一刻ごと", 15, 45, 41, 10},
        {'R', 1010, "半刻ごと", 15, 70, 41, 10},
        {'R', 1011, "1 時間ごと", 85, 45, 47, 10},
        {'R', 1012, "30 分ごと", 85, 70, 43, 10},
        {'G', 0, "鐘をつく回数", 145, 10, 70, 85},
        {'r', 1021, "鐘を鳴らさない", 155, 30, 59, 10},
        {'R', 1022, "常に１回", 155, 50, 41, 10},
        {'R', 1023, "時刻と同じ数", 155, 70, 54, 10},
        {'G', 0, "現在地", 5, 100, 105, 135},
        {'E', 1017, "", 35, 115, 55, 14},
        {'E', 1013, "", 35, 140, 20, 14},
        {'E', 1014, "", 75, 140, 15, 14},
        {'E', 1016, "", 40, 160, 15, 14},
        {'E', 1015, "", 75, 160, 15, 14},
        {'B', 1018, "リストから選択", 15, 185, 85, 40},
        {'r', 1005, "不定時法", 125, 115, 43, 10},
        {'R', 1006, "定時法", 125, 130, 37, 10},
        {'T', 0, "(約 80～160 分)", 25, 55, 55, 8},
        {'T', 0, "(約 40～80 分)", 25, 80, 50, 8},
        {'T', 0, "||| 不定時法 |||", 15, 30, 43, 8},
        {'T', 0, "||| 定時法 |||", 85, 30, 36, 8},
        {'T', 0, "東経", 15, 145, 15, 8},
        {'T', 0, "北緯", 15, 165, 15, 8},
        {'T', 0, "度", 60, 145, 8, 8},
        {'T', 0, "度", 60, 165, 8, 8},
        {'T', 0, "分", 95, 145, 8, 8},
        {'T', 0, "分", 95, 165, 8, 8},
        {'T', 0, "地名", 15, 120, 15, 8},
        {'G', 0, "十二支表示", 115, 100, 100, 65},
        {'C', 1024, "テキストでも表示する", 125, 150, 85, 10},
        {'G', 0, "鐘を休む時間 (アラームは鳴ります)", 5, 240, 210, 60},
        {'r', 1025, "なし", 15, 253, 35, 10},
        {'R', 1026, "刻で", 15, 268, 35, 10},
        {'R', 1027, "時刻で(&K)", 15, 285, 45, 10},
        {'H', 1028, "", 55, 265, 60, 16},
        {'H', 1029, "", 135, 265, 60, 16},
        {'E', 1030, "", 62, 283, 30, 14},
        {'E', 1031, "", 135, 283, 30, 14},
        {'T', 0, "から", 118, 269, 15, 8},
        {'T', 0, "まで", 198, 269, 15, 8},
        {'T', 0, "から", 118, 286, 15, 8},
        {'T', 0, "まで", 168, 286, 15, 8},
        {'G', 0, "デスクトップ", 5, 305, 210, 42},
        {'C', 1032, "パネルに表示", 15, 318, 70, 10},
        {'C', 1033, "ときをお知らせ", 100, 318, 75, 10},
        {'C', 1034, "ログイン時に起動", 15, 332, 85, 10},
    },
};

const Template kLocation = {
    "現在地を選択",
    {155, 165},
    {
        {'D', wxID_OK, "OK", 10, 111, 80, 44},
        {'B', wxID_CANCEL, "ｷｬﾝｾﾙ", 95, 111, 40, 43},
        {'L', 1038, "", 10, 25, 128, 75},
        {'T', 0, "場所", 10, 15, 15, 8},
        {'T', 0, "緯度", 45, 15, 15, 8},
        {'T', 0, "経度", 80, 15, 15, 8},
        {'T', 0, "時差", 105, 15, 15, 8},
    },
};

const Template kAlarm = {
    "アラームの設定",
    {123, 75},
    {
        {'C', 1002, "アラームを鳴らす", 5, 10, 67, 10},
        {'E', 1003, "", 15, 30, 20, 14},
        {'E', 1004, "", 50, 30, 20, 14},
        {'D', wxID_OK, "OK", 90, 10, 25, 30},
        {'B', wxID_CANCEL, "ｷｬﾝｾﾙ", 90, 45, 25, 20},
        {'T', 0, "時", 40, 35, 8, 8},
        {'T', 0, "分", 75, 35, 8, 8},
        {'T', 0, "(24 時間制)", 45, 50, 35, 8},
    },
};

const Template kTokiInfo = {"ときの情報", {189, 335}, {}};

const Template kTokiAlarmList = {
    "刻のアラーム",
    {340, 140},
    {
        {'V', 1101, "", 5, 5, 270, 130},
        {'B', 1102, "追加(&A)...", 280, 5, 55, 14},
        {'B', 1103, "編集(&E)...", 280, 22, 55, 14},
        {'B', 1104, "削除(&R)", 280, 39, 55, 14},
        {'B', 1105, "オン/オフ(&T)", 280, 56, 55, 14},
        {'D', wxID_OK, "OK", 280, 104, 55, 14},
        {'B', wxID_CANCEL, "ｷｬﾝｾﾙ", 280, 121, 55, 14},
    },
};

const Template kTokiAlarmEdit = {
    "刻のアラームの設定",
    {230, 170},
    {
        {'C', 1111, "このアラームを鳴らす", 5, 6, 90, 10},
        {'G', 0, "とき", 5, 20, 165, 68},
        {'r', 1112, "刻", 12, 34, 28, 10},
        {'R', 1113, "時刻", 12, 52, 28, 10},
        {'H', 1114, "", 45, 31, 75, 16},
        {'E', 1115, "", 45, 50, 20, 14},
        {'E', 1116, "", 78, 50, 20, 14},
        {'E', 1117, "", 45, 68, 25, 14},
        {'H', 1118, "", 85, 67, 32, 16},
        {'T', 0, "時", 68, 53, 8, 8},
        {'T', 0, "分", 101, 53, 8, 8},
        {'T', 0, "前後", 12, 71, 28, 8},
        {'T', 0, "分", 73, 71, 8, 8},
        {'G', 0, "曜日", 5, 92, 165, 24},
        {'C', 1120, "日", 12, 102, 20, 10},
        {'C', 1121, "月", 34, 102, 20, 10},
        {'C', 1122, "火", 56, 102, 20, 10},
        {'C', 1123, "水", 78, 102, 20, 10},
        {'C', 1124, "木", 100, 102, 20, 10},
        {'C', 1125, "金", 122, 102, 20, 10},
        {'C', 1126, "土", 144, 102, 20, 10},
        {'G', 0, "音", 5, 120, 165, 24},
        {'r', 1130, "鐘", 12, 130, 25, 10},
        {'R', 1131, "アラーム音", 42, 130, 50, 10},
        {'R', 1132, "通知だけ", 100, 130, 45, 10},
        {'T', 0, "ラベル", 5, 153, 25, 8},
        {'E', 1133, "", 35, 150, 135, 14},
        {'D', wxID_OK, "OK", 178, 6, 45, 14},
        {'B', wxID_CANCEL, "ｷｬﾝｾﾙ", 178, 23, 45, 14},
    },
};

const Template kAbout = {
    "バージョン情報",
    {235, 55},
    {
        {'L', 0, "", 11, 17, 20, 20},  // the icon's box
        {'T', 0, "Vellmor (Vellmor.exe)  V.1.03", 40, 10, 130, 8},
        {'T', 0, nullptr, 40, 25, 135, 8},  // our own words
        {'D', wxID_OK, "OK", 185, 7, 43, 43},
    },
};

wxRect DialogUnits(wxWindow& dialog, int x, int y, int w, int h)
{
    return wxRect(dialog.ConvertDialogToPixels(wxPoint(x, y)),
                  dialog.ConvertDialogToPixels(wxSize(w, h)));
}

bool IsKind(wxWindow& window, char kind)
{
    switch (kind) {
    case 'B':
    case 'D':
        return wxDynamicCast(&window, wxButton) != nullptr;
    case 'G':
        return wxDynamicCast(&window, wxStaticBox) != nullptr;
    case 'R':
    case 'r':
        return wxDynamicCast(&window, wxRadioButton) != nullptr;
    case 'E':
        return wxDynamicCast(&window, wxTextCtrl) != nullptr;
    case 'T':
        return wxDynamicCast(&window, wxStaticText) != nullptr;
    case 'C':
        return wxDynamicCast(&window, wxCheckBox) != nullptr;
    case 'H':
        return wxDynamicCast(&window, wxChoice) != nullptr;
    case 'V':
        return wxDynamicCast(&window, wxListCtrl) != nullptr;
    case 'L':
        return true;  // our own control in the template's place
    }
    return false;
}

// The dialog's visible children in creation (= tab) order.
std::vector<wxWindow*> TemplateChildren(wxWindow& dialog)
{
    std::vector<wxWindow*> children;
    for (wxWindow* child : dialog.GetChildren()) {
        if (child->GetName() != kNoChoiceRadioName) {
            children.push_back(child);
        }
    }
    return children;
}

void CheckTemplate(wxDialog& dialog, wxWindow& owner, const Template& t, wxPoint offsetDu)
{
    EXPECT_EQ(dialog.GetTitle(), wxString::FromUTF8(t.title));
    EXPECT_EQ(dialog.GetClientSize(), dialog.ConvertDialogToPixels(t.sizeDu));
    EXPECT_FALSE(dialog.HasFlag(wxRESIZE_BORDER));
    EXPECT_TRUE(dialog.HasFlag(wxCAPTION));
    EXPECT_TRUE(dialog.HasFlag(wxCLOSE_BOX));
    EXPECT_EQ(dialog.GetParent(), &owner);
    if (offsetDu != wxPoint(0, 0)) {
        EXPECT_EQ(dialog.GetPosition(),
                  owner.ClientToScreen(wxPoint(0, 0)) + dialog.ConvertDialogToPixels(offsetDu));
    }
    const wxFont font = dialog.GetFont();
    EXPECT_EQ(font.GetPointSize(), 9);

    const std::vector<wxWindow*> children = TemplateChildren(dialog);
    ASSERT_EQ(children.size(), t.controls.size());
    for (std::size_t i = 0; i < children.size(); ++i) {
        const Control& c = t.controls[i];
        wxWindow& child = *children[i];
        SCOPED_TRACE("control " + std::to_string(i) + " " + (c.text ? c.text : ""));
        EXPECT_TRUE(IsKind(child, c.kind));
        if (c.kind == 'L' && c.id != 0) {
            // Our own control, put into the template's placeholder.
            wxWindow* control = dialog.FindWindow(c.id);
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(control->GetParent(), &child);
        } else if (c.id != 0) {
            EXPECT_EQ(child.GetId(), c.id);
        }
        if (c.text && c.kind != 'E' && c.kind != 'L' && c.kind != 'H' && c.kind != 'V') {
            EXPECT_EQ(child.GetLabel().utf8_string(), c.text);
        }
        const wxRect box = DialogUnits(dialog, c.x, c.y, c.w, c.h);
        if (c.kind == 'T') {
            // A text may be widened to show its whole label.
            EXPECT_EQ(child.GetPosition(), box.GetPosition());
            EXPECT_EQ(child.GetSize().y, box.height);
            EXPECT_GE(child.GetSize().x, box.width);
            EXPECT_GE(child.GetSize().x, child.GetBestSize().x) << "label cut off";
        } else {
            EXPECT_EQ(child.GetRect(), box);
        }
        if (c.kind == 'R' || c.kind == 'r') {
            EXPECT_EQ(child.HasFlag(wxRB_GROUP), c.kind == 'r');
        }
        if (c.kind == 'D') {
            auto* top = wxDynamicCast(&dialog, wxTopLevelWindow);
            EXPECT_EQ(top->GetDefaultItem(), &child);
        }
        EXPECT_TRUE(child.IsEnabled());
    }
}

using TemplateTest = DialogTest;

TEST_F(TemplateTest, SettingsDialog)
{
    CSettingsDlg dialog(owner);
    CheckTemplate(dialog, *owner, kSettings, {100, 50});
}

TEST_F(TemplateTest, LocationPickerOverTheSettingsDialog)
{
    CSettingsDlg settings(owner);
    settings.Show();
    Settle();
    CLocationDlg dialog(&settings);
    CheckTemplate(dialog, settings, kLocation, {100, 100});
}

TEST_F(TemplateTest, AlarmDialog)
{
    CAlarmDlg dialog(owner);
    CheckTemplate(dialog, *owner, kAlarm, {50, 50});
}

TEST_F(TemplateTest, TokiInfoDialog)
{
    CTokiInfoDlg dialog(owner);
    CheckTemplate(dialog, *owner, kTokiInfo, {50, 50});
}

TEST_F(TemplateTest, TokiAlarmDialogs)
{
    CTokiAlarmListDlg list(owner);
    CheckTemplate(list, *owner, kTokiAlarmList, {30, 30});
    list.Show();
    Settle();
    CTokiAlarmEditDlg edit(&list);
    CheckTemplate(edit, list, kTokiAlarmEdit, {20, 20});
}

TEST_F(TemplateTest, AboutBox)
{
    CAboutDlg dialog(owner);
    CheckTemplate(dialog, *owner, kAbout, {0, 0});
}

TEST_F(TemplateTest, OwnerlessDialogsBelongToTheMainWindow)
{
    CAlarmDlg dialog;
    EXPECT_EQ(dialog.GetParent(), owner);
}

TEST(DialogUnitPair, ReadsOnlyDialogUnits)
{
    wxPoint p;
    EXPECT_TRUE(ParseDialogUnitPair(" 223,245d ", p));
    EXPECT_EQ(p, wxPoint(223, 245));
    EXPECT_FALSE(ParseDialogUnitPair("223,245", p));
    EXPECT_FALSE(ParseDialogUnitPair("223d", p));
    EXPECT_FALSE(ParseDialogUnitPair("a,bd", p));
}

}  // namespace
