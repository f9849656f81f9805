#include "TabStops.h"

std::vector<int> TabbedFieldColumns(const std::vector<int>& fieldWidths, int tabStop)
{
    std::vector<int> columns;
    int x = 0;
    for (int width : fieldWidths) {
        if (!columns.empty()) {
            x = tabStop > 0 ? (x / tabStop + 1) * tabStop : x;
        }
        columns.push_back(x);
        x += width;
    }
    return columns;
}
