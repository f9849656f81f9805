#pragma once

#include "ExchangeDialog.h"

// "バージョン情報": the program's icon, name and version, and one line about
// it. Centred over the main window; OK, Enter, Esc and the close box close it.
class CAboutDlg : public CExchangeDialog {
public:
    // owner nullptr: the program's main window.
    explicit CAboutDlg(wxWindow* owner = nullptr);

    // The first line, shown literally (an ampersand would be no mnemonic).
    static wxString NameAndVersion();
};
