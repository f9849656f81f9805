#pragma once

#include <vector>

// Where the fields of a tab-separated row start when its tabs are expanded
// to stops every tabStop pixels: the first field at 0, each further one at
// the first stop right of the end of the field before it.
std::vector<int> TabbedFieldColumns(const std::vector<int>& fieldWidths, int tabStop);
