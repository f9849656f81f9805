#pragma once

#include "ExchangeDialog.h"
#include "TokiAlarmFields.h"

class wxListCtrl;
class wxListEvent;

// "刻のアラーム": the toki alarms in a list, one row each with its on/off
// state, its moment in words, its days, its sound and its next ring. Adds
// (up to eight), edits (in CTokiAlarmEditDlg), removes and switches the
// chosen one on or off; the list's changes are the dialog's fields, taken
// by the opener after OK. In the list, Insert adds, Delete removes, Space
// switches and Enter edits the chosen alarm.
class CTokiAlarmListDlg : public CExchangeDialog {
public:
    // owner nullptr: the program's main window.
    explicit CTokiAlarmListDlg(wxWindow* owner = nullptr);

    TokiAlarmListFields fields;

    // Index of the chosen row, or -1.
    int Selected() const;
    void Select(int row);

protected:
    void DoDataExchange(DataExchange& exchange) override;
    // The list has the focus from the start: the arrows choose a row.
    void OnOpen() override { FocusList(); }

private:
    void ShowRows(int select);
    void UpdateButtons();
    void FocusList();
    // Runs the edit dialog on alarm; true for OK.
    bool EditAlarm(TokiAlarm& alarm);
    void OnListKey(wxListEvent& event);
    void OnAdd();
    void OnEdit();
    void OnRemove();
    void OnToggle();

    wxListCtrl* list = nullptr;
};
