#include "SettingsDlg.h"

#include "CityRowSplit.h"
#include "DataExchange.h"
#include "DialogIds.h"
#include "InputRules.h"
#include "LocationDlg.h"
#include "NamedFieldRules.h"
#include "ShiftJisInputLimit.h"
#include "TokiChoice.h"

#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

CSettingsDlg::CSettingsDlg(wxWindow* owner)
{
    if (CreateFromTemplate(owner, kSettingsTemplate)) {
        Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnChooseCity(); }, kIdChooseCity);
        for (int id : {kIdQuietFromToki, kIdQuietToToki}) {
            Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { CheckQuietKind(kIdQuietByToki); }, id);
        }
        for (int id : {kIdQuietFromTime, kIdQuietToTime}) {
            Bind(wxEVT_TEXT, [this](wxCommandEvent&) { CheckQuietKind(kIdQuietByTime); }, id);
        }
    }
}

void CSettingsDlg::CheckQuietKind(int radioId)
{
    if (auto* radio = dynamic_cast<wxRadioButton*>(FindWindow(radioId))) {
        radio->SetValue(true);
    }
}

void CSettingsDlg::DoDataExchange(DataExchange& exchange)
{
    exchange.IntInRange(kIdLongitudeDegrees, fields.longitudeDegrees, kLongitudeMin,
                        kLongitudeMax);
    exchange.IntInRange(kIdLongitudeMinutes, fields.longitudeMinutes, 0, 59);
    exchange.Radio(kIdChimeEveryToki, fields.chimeIndex);
    exchange.Int(kIdLatitudeDegrees, fields.latitudeDegrees);
    exchange.Int(kIdLatitudeMinutes, fields.latitudeMinutes);
    exchange.Text(kIdCity, fields.city, kPlaceNameMaxBytes);
    exchange.Radio(kIdTemporalHours, fields.twelveShiIndex);
    exchange.Radio(kIdCountSilent, fields.chimeCountIndex);
    exchange.Check(kIdAddText, fields.addText);
    exchange.Check(kIdIndicator, fields.indicator);
    exchange.Check(kIdNotify, fields.notify);
    exchange.Check(kIdStartWithSession, fields.startWithSession);

    // Quiet hours: the names in the display's style; only the times of the
    // kind chosen are checked.
    if (exchange.GetDirection() == DataExchange::Direction::ToControls) {
        for (int id : {kIdQuietFromToki, kIdQuietToToki}) {
            if (auto* choice = dynamic_cast<wxChoice*>(FindWindow(id))) {
                FillTokiChoice(*choice, fields.twelveShiDisplay);
            }
        }
    }
    QuietHoursFields& quiet = fields.quiet;
    exchange.Radio(kIdQuietNone, quiet.kind);
    exchange.Choice(kIdQuietFromToki, quiet.fromToki);
    exchange.Choice(kIdQuietToToki, quiet.toToki);
    const bool byTime = quiet.kind == static_cast<int>(QuietKind::ByClockTime);
    if (byTime || exchange.GetDirection() == DataExchange::Direction::ToControls) {
        exchange.Named(kQuietFromField,
                       [&] { exchange.ClockTime(kIdQuietFromTime, quiet.fromTime); });
        exchange.Named(kQuietToField, [&] { exchange.ClockTime(kIdQuietToTime, quiet.toTime); });
    }
}

void CSettingsDlg::OnChooseCity()
{
    std::string row;
    {
        CLocationDlg picker(this);
        picker.ShowModal();  // OK or Cancel: only the row tells
        row = picker.chosenRow;
    }
    const std::optional<ChosenPlace> place = SplitCityRow(row);
    if (!place) {
        return;
    }
    // Not validated here: OK checks these like typed values.
    PutEditText(kIdCity, place->city);
    PutEditText(kIdLatitudeDegrees, std::to_string(place->latitudeDegrees));
    PutEditText(kIdLatitudeMinutes, std::to_string(place->latitudeMinutes));
    PutEditText(kIdLongitudeDegrees, std::to_string(place->longitudeDegrees));
    PutEditText(kIdLongitudeMinutes, std::to_string(place->longitudeMinutes));
}

void CSettingsDlg::PutEditText(int id, const std::string& text)
{
    if (auto* edit = dynamic_cast<wxTextCtrl*>(FindWindow(id))) {
        edit->ChangeValue(wxString::FromUTF8(text));
        if (id == kIdCity) {
            LimitShiftJisInput(*edit, kPlaceNameMaxBytes);
        }
    }
}
