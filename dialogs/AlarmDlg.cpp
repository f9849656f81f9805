#include "AlarmDlg.h"

#include "DataExchange.h"
#include "DialogIds.h"

#include <wx/checkbox.h>

CAlarmDlg::CAlarmDlg(wxWindow* owner)
{
    if (CreateFromTemplate(owner, kAlarmTemplate)) {
        Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnEnableClicked(); }, kIdAlarmEnable);
    }
}

void CAlarmDlg::DoDataExchange(DataExchange& exchange)
{
    exchange.Check(kIdAlarmEnable, fields.alarmEnable);
    exchange.IntInRange(kIdAlarmHour, fields.alarmHour, 0, 23);
    exchange.IntInRange(kIdAlarmMinutes, fields.alarmMinutes, 0, 59);
}

void CAlarmDlg::OnOpen()
{
    EnableTimeEdits(fields.alarmEnable != 0);
}

void CAlarmDlg::OnEnableClicked()
{
    // The box has changed already; alarmEnable still holds its state before
    // the click, as last read.
    EnableTimeEdits(fields.alarmEnable != 1);
    TransferDataFromWindow();
}

void CAlarmDlg::EnableTimeEdits(bool enable)
{
    for (int id : {kIdAlarmHour, kIdAlarmMinutes}) {
        if (wxWindow* edit = FindWindow(id)) {
            edit->Enable(enable);
        }
    }
}
