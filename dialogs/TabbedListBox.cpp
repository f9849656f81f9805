#include "TabbedListBox.h"

#include "TabStops.h"

#include <wx/button.h>
#include <wx/dc.h>
#include <wx/toplevel.h>
#include <wx/settings.h>
#include <wx/tokenzr.h>

#include <algorithm>

namespace {

constexpr int kTextMarginPx = 2;  // left of every row, as list boxes leave

}  // namespace

TabbedListBox::TabbedListBox(wxWindow* parent, wxWindowID id, int stopDu)
    : wxVListBox(parent, id, wxDefaultPosition, wxDefaultSize,
                 wxBORDER_SUNKEN | wxALWAYS_SHOW_SB),
      tabStopDu(stopDu)
{
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOX));
    Bind(wxEVT_KEY_DOWN, &TabbedListBox::OnKeyDown, this);
}

void TabbedListBox::OnKeyDown(wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    auto* top = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(this));
    auto* button = top ? dynamic_cast<wxButton*>(top->GetDefaultItem()) : nullptr;
    if ((key != WXK_RETURN && key != WXK_NUMPAD_ENTER) || !button || !button->IsEnabled()) {
        event.Skip();
        return;
    }
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->ProcessWindowEvent(click);
}

void TabbedListBox::InsertRow(std::size_t pos, const std::string& row)
{
    pos = std::min(pos, rows.size());
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(pos), row);
    SetItemCount(rows.size());
    RefreshAll();
}

std::string TabbedListBox::GetRow(std::size_t pos) const
{
    return pos < rows.size() ? rows[pos] : std::string();
}

wxCoord TabbedListBox::OnMeasureItem(size_t) const
{
    return GetCharHeight() + 2;
}

void TabbedListBox::OnDrawItem(wxDC& dc, const wxRect& rect, size_t n) const
{
    if (n >= rows.size()) {
        return;
    }
    dc.SetFont(GetFont());
    const wxArrayString fields =
        wxSplit(wxString::FromUTF8(rows[n]), '\t', '\0');  // no escape character
    std::vector<int> widths;
    for (const wxString& field : fields) {
        widths.push_back(dc.GetTextExtent(field).x);
    }
    const int tabStop = ConvertDialogToPixels(wxSize(tabStopDu, 0)).x;
    const std::vector<int> columns = TabbedFieldColumns(widths, tabStop);

    dc.SetTextForeground(wxSystemSettings::GetColour(
        IsSelected(n) ? wxSYS_COLOUR_HIGHLIGHTTEXT : wxSYS_COLOUR_LISTBOXTEXT));
    const int y = rect.y + (rect.height - dc.GetCharHeight()) / 2;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        dc.DrawText(fields[i], rect.x + kTextMarginPx + columns[i], y);
    }
}
