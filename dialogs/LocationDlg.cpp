#include "LocationDlg.h"

#include "CityTable.h"
#include "DialogIds.h"
#include "TabbedListBox.h"

#include <wx/xrc/xmlres.h>

CLocationDlg::CLocationDlg(wxWindow* owner)
{
    if (CreateFromTemplate(owner, kLocationTemplate)) {
        listBox = new TabbedListBox(this, kIdCityList, kTabStopDu);  // owned by the dialog
        wxXmlResource::Get()->AttachUnknownControl(std::to_string(kIdCityList), listBox, this);
    }
}

void CLocationDlg::OnOpen()
{
    rows.assign(kCityTable.begin(), kCityTable.end());
    if (!listBox) {
        return;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        listBox->InsertRow(i, rows[i]);
    }
    listBox->SetSelection(wxNOT_FOUND);
    listBox->ScrollToRow(0);
}

void CLocationDlg::OnOK()
{
    const int selected = listBox ? listBox->GetSelection() : wxNOT_FOUND;
    if (selected == wxNOT_FOUND || static_cast<std::size_t>(selected) >= rows.size()) {
        return;
    }
    chosenRow = rows[static_cast<std::size_t>(selected)];
    Finish(wxID_OK);
}

void CLocationDlg::OnCancel()
{
    chosenRow.clear();
    Finish(wxID_CANCEL);
}
