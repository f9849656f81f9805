#pragma once

#include "ExchangeDialog.h"
#include "SettingsFields.h"

// "Vellmor の設定": chime interval and count, location, twelve-branch display,
// the text label, the chime's quiet hours, and the clock on the desktop (the
// panel, notifications, the start with the session). Edits only its fields;
// the opener fills them before ShowModal and reads them after OK.
class CSettingsDlg : public CExchangeDialog {
public:
    // owner nullptr: the program's main window.
    explicit CSettingsDlg(wxWindow* owner = nullptr);

    SettingsFields fields;

    // Longitude degrees accepted at OK.
    static constexpr int kLongitudeMin = 122;
    static constexpr int kLongitudeMax = 153;

protected:
    void DoDataExchange(DataExchange& exchange) override;

private:
    // "リストから選択": the picker's row goes into the five location edits.
    void OnChooseCity();
    void PutEditText(int id, const std::string& text);
    // Choosing a toki or typing a time picks the quiet hours of that kind.
    void CheckQuietKind(int radioId);
};
