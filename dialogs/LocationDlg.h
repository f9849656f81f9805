#pragma once

#include "ExchangeDialog.h"

#include <string>
#include <vector>

class TabbedListBox;

// "現在地を選択": the built-in city table, one row per city. Hands back the
// chosen row's text, tabs included, or an empty text when none was chosen.
class CLocationDlg : public CExchangeDialog {
public:
    // owner nullptr: the program's main window.
    explicit CLocationDlg(wxWindow* owner = nullptr);

    std::vector<std::string> rows;      // the table's rows, from opening on
    TabbedListBox* listBox = nullptr;   // control 1038, owned by the dialog
    std::string chosenRow;              // the result

    // Dialog units between the list's tab stops.
    static constexpr int kTabStopDu = 32;

protected:
    void OnOpen() override;
    // Stays open while no row is selected.
    void OnOK() override;
    // Hands back nothing, whatever is selected.
    void OnCancel() override;
};
