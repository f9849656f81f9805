#pragma once

#include <wx/vlbox.h>

#include <string>
#include <vector>

// A single-selection list box of tab-separated rows, unsorted, that expands
// each row's tabs to stops every stopDu dialog units from its left edge,
// so that the fields of all rows stand in columns. A vertical scroll bar is
// always present. Clicks and double clicks select a row and do nothing more;
// Enter presses the dialog's default button.
class TabbedListBox : public wxVListBox {
public:
    TabbedListBox(wxWindow* parent, wxWindowID id, int stopDu);

    // Puts a row (UTF-8) at position pos; rows after it move down.
    void InsertRow(std::size_t pos, const std::string& row);
    std::size_t GetRowCount() const { return rows.size(); }
    // The row at pos as it was inserted, tabs included; empty when out of range.
    std::string GetRow(std::size_t pos) const;

protected:
    void OnDrawItem(wxDC& dc, const wxRect& rect, size_t n) const override;
    wxCoord OnMeasureItem(size_t n) const override;

private:
    void OnKeyDown(wxKeyEvent& event);

    int tabStopDu;
    std::vector<std::string> rows;
};
