#pragma once

#include "AlarmFields.h"
#include "ExchangeDialog.h"

// "アラームの設定": the alarm on or off and its time. The time edits are
// usable exactly while the box is checked; every click on the box reads and
// checks all three controls, as OK does.
class CAlarmDlg : public CExchangeDialog {
public:
    // owner nullptr: the program's main window.
    explicit CAlarmDlg(wxWindow* owner = nullptr);

    AlarmFields fields;

protected:
    void DoDataExchange(DataExchange& exchange) override;
    void OnOpen() override;

private:
    void OnEnableClicked();
    void EnableTimeEdits(bool enable);
};
