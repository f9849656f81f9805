#include "TokiAlarmListDlg.h"

#include "DataExchange.h"
#include "DialogIds.h"
#include "TokiAlarmEditDlg.h"

#include <wx/listctrl.h>

namespace {

// The columns, with their widths in dialog units.
const struct {
    const char* title;
    int widthDu;
} kColumns[] = {
    {"", 22}, {"とき", 66}, {"曜日", 30}, {"音", 40}, {"次に鳴る", 98},
};

}  // namespace

CTokiAlarmListDlg::CTokiAlarmListDlg(wxWindow* owner)
{
    if (!CreateFromTemplate(owner, kTokiAlarmListTemplate)) {
        return;
    }
    list = dynamic_cast<wxListCtrl*>(FindWindow(kIdTokiAlarmList));
    if (list) {
        for (const auto& column : kColumns) {
            list->AppendColumn(wxString::FromUTF8(column.title), wxLIST_FORMAT_LEFT,
                                ConvertDialogToPixels(wxSize(column.widthDu, 0)).x);
        }
        list->Bind(wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent&) { UpdateButtons(); });
        list->Bind(wxEVT_LIST_ITEM_DESELECTED, [this](wxListEvent&) { UpdateButtons(); });
        list->Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) { OnEdit(); });
        list->Bind(wxEVT_LIST_KEY_DOWN, &CTokiAlarmListDlg::OnListKey, this);
    }
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnAdd(); }, kIdTokiAlarmAdd);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnEdit(); }, kIdTokiAlarmEdit);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnRemove(); }, kIdTokiAlarmRemove);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnToggle(); }, kIdTokiAlarmToggle);
}

void CTokiAlarmListDlg::DoDataExchange(DataExchange& exchange)
{
    // The list edits the fields as it goes; there is nothing to read back.
    if (exchange.GetDirection() == DataExchange::Direction::ToControls) {
        ShowRows(fields.alarms.empty() ? -1 : 0);
    }
}

int CTokiAlarmListDlg::Selected() const
{
    return list ? static_cast<int>(list->GetNextItem(-1, wxLIST_NEXT_ALL,
                                                       wxLIST_STATE_SELECTED))
                 : -1;
}

void CTokiAlarmListDlg::Select(int row)
{
    if (list && row >= 0 && row < list->GetItemCount()) {
        list->SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                            wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
        list->EnsureVisible(row);
    }
    UpdateButtons();
}

void CTokiAlarmListDlg::ShowRows(int select)
{
    if (!list) {
        return;
    }
    list->DeleteAllItems();
    for (std::size_t i = 0; i < fields.alarms.size(); ++i) {
        const TokiAlarmRow row = TokiAlarmRowOf(fields.alarms[i], fields);
        const long item = list->InsertItem(static_cast<long>(i), wxString::FromUTF8(row.onOff));
        list->SetItem(item, 1, wxString::FromUTF8(row.moment));
        list->SetItem(item, 2, wxString::FromUTF8(row.days));
        list->SetItem(item, 3, wxString::FromUTF8(row.sound));
        list->SetItem(item, 4, wxString::FromUTF8(row.next));
    }
    Select(select);
}

void CTokiAlarmListDlg::UpdateButtons()
{
    const bool chosen = Selected() >= 0;
    const bool room = static_cast<int>(fields.alarms.size()) < kMaxTokiAlarms;
    const struct {
        int id;
        bool enable;
    } buttons[] = {{kIdTokiAlarmAdd, room},
                   {kIdTokiAlarmEdit, chosen},
                   {kIdTokiAlarmRemove, chosen},
                   {kIdTokiAlarmToggle, chosen}};
    for (const auto& b : buttons) {
        if (wxWindow* button = FindWindow(b.id)) {
            button->Enable(b.enable);
        }
    }
}

void CTokiAlarmListDlg::FocusList()
{
    // Back from the edit dialog the arrows choose a row again at once.
    if (list) {
        list->SetFocus();
    }
}

bool CTokiAlarmListDlg::EditAlarm(TokiAlarm& alarm)
{
    CTokiAlarmEditDlg dialog(this, fields.twelveShiDisplay);
    dialog.fields = TokiAlarmEditFieldsFrom(alarm);
    if (dialog.ShowModal() != wxID_OK) {
        return false;
    }
    CopyTokiAlarmEditFieldsBack(dialog.fields, alarm);
    return true;
}

void CTokiAlarmListDlg::OnListKey(wxListEvent& event)
{
    switch (event.GetKeyCode()) {
    case WXK_INSERT:
        OnAdd();
        break;
    case WXK_DELETE:
        OnRemove();
        break;
    case WXK_SPACE:
        OnToggle();
        break;
    default:
        event.Skip();  // the list's own keys: the arrows, Enter
        break;
    }
}

void CTokiAlarmListDlg::OnAdd()
{
    TokiAlarm alarm = NewTokiAlarm();
    if (FreeTokiAlarmNumber(fields.alarms) == 0 || !EditAlarm(alarm)) {
        return;
    }
    const int row = AddTokiAlarm(fields, alarm);
    if (row >= 0) {
        ShowRows(row);
    }
    FocusList();
}

void CTokiAlarmListDlg::OnEdit()
{
    const int row = Selected();
    if (row < 0) {
        return;
    }
    if (EditAlarm(fields.alarms[static_cast<std::size_t>(row)])) {
        ShowRows(row);
    }
    FocusList();
}

void CTokiAlarmListDlg::OnRemove()
{
    const int row = Selected();
    if (row < 0) {
        return;
    }
    RemoveTokiAlarm(fields, static_cast<std::size_t>(row));
    const int count = static_cast<int>(fields.alarms.size());
    ShowRows(row < count ? row : count - 1);
}

void CTokiAlarmListDlg::OnToggle()
{
    const int row = Selected();
    if (row >= 0) {
        ToggleTokiAlarm(fields, static_cast<std::size_t>(row));
        ShowRows(row);
    }
}
