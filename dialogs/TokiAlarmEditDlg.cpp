#include "TokiAlarmEditDlg.h"

#include "DataExchange.h"
#include "DialogIds.h"
#include "NamedFieldRules.h"
#include "TokiAlarmTime.h"
#include "TokiChoice.h"

#include <wx/choice.h>
#include <wx/radiobut.h>

CTokiAlarmEditDlg::CTokiAlarmEditDlg(wxWindow* owner, int twelveShiDisplay)
    : twelveShiDisplay(twelveShiDisplay)
{
    if (CreateFromTemplate(owner, kTokiAlarmEditTemplate)) {
        if (auto* toki = dynamic_cast<wxChoice*>(FindWindow(kIdTokiAlarmToki))) {
            FillTokiChoice(*toki, twelveShiDisplay);
        }
        for (int id : {kIdTokiAlarmByToki, kIdTokiAlarmByTime}) {
            Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { EnableForKind(); }, id);
        }
    }
}

void CTokiAlarmEditDlg::DoDataExchange(DataExchange& exchange)
{
    const bool toControls = exchange.GetDirection() == DataExchange::Direction::ToControls;
    exchange.Check(kIdTokiAlarmOn, fields.enable);
    exchange.Radio(kIdTokiAlarmByToki, fields.kind);
    exchange.Choice(kIdTokiAlarmToki, fields.toki);
    if (fields.kind == 0) {
        exchange.Named(kAlarmTokiField, [&] {
            exchange.Require(fields.toki >= 0, kIdTokiAlarmToki, kNoTokiMessage);
        });
    }
    // The clock time counts only when it is chosen; otherwise it is kept.
    if (fields.kind == 1 || toControls) {
        exchange.Named(kAlarmHourField,
                       [&] { exchange.IntInRange(kIdTokiAlarmHour, fields.hour, 0, 23); });
        exchange.Named(kAlarmMinutesField,
                       [&] { exchange.IntInRange(kIdTokiAlarmMinutes, fields.minutes, 0, 59); });
    }
    exchange.Named(kAlarmOffsetField, [&] {
        exchange.IntInRange(kIdTokiAlarmOffset, fields.offsetMinutes, 0, kMaxAlarmOffset);
    });
    exchange.Choice(kIdTokiAlarmBeforeAfter, fields.offsetAfter);
    for (int d = 0; d < 7; ++d) {
        exchange.Check(kIdTokiAlarmSunday + d, fields.days[static_cast<std::size_t>(d)]);
    }
    exchange.Named(kAlarmDaysField, [&] {
        exchange.Require(DaysFromChecks(fields.days) != 0, kIdTokiAlarmSunday, kNoDayMessage);
    });
    exchange.Radio(kIdTokiAlarmBell, fields.sound);
    exchange.Named(kAlarmLabelField, [&] {
        exchange.Text(kIdTokiAlarmLabel, fields.label, kTokiAlarmLabelBytes);
    });
}

void CTokiAlarmEditDlg::OnOpen()
{
    EnableForKind();
}

void CTokiAlarmEditDlg::EnableForKind()
{
    auto* byTime = dynamic_cast<wxRadioButton*>(FindWindow(kIdTokiAlarmByTime));
    const bool clockTime = byTime && byTime->GetValue();
    if (wxWindow* toki = FindWindow(kIdTokiAlarmToki)) {
        toki->Enable(!clockTime);
    }
    for (int id : {kIdTokiAlarmHour, kIdTokiAlarmMinutes}) {
        if (wxWindow* edit = FindWindow(id)) {
            edit->Enable(clockTime);
        }
    }
}
