#pragma once

#include "ExchangeDialog.h"
#include "TokiAlarmFields.h"

// "刻のアラームの設定": one toki alarm. Its moment is a toki (of the 24
// names, in the display's style) or a clock time, moved by minutes before or
// after; then its weekdays, its sound and its label. The toki choice is
// usable while "刻" is chosen, the hour and minute while "時刻" is.
// A refused value shows a message that names the field.
class CTokiAlarmEditDlg : public CExchangeDialog {
public:
    // owner nullptr: the program's main window.
    explicit CTokiAlarmEditDlg(wxWindow* owner = nullptr, int twelveShiDisplay = 3);

    TokiAlarmEditFields fields;

protected:
    void DoDataExchange(DataExchange& exchange) override;
    void OnOpen() override;

private:
    void EnableForKind();

    int twelveShiDisplay;
};
