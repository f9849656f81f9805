#include "PanelSigns.h"

#include <cstdio>

namespace {

int BranchOf(int toki)
{
    return toki >= 0 && toki < 24 ? toki / 2 : 0;
}

}  // namespace

std::string PanelSignName(int toki, bool darkPanel)
{
    char name[40];
    std::snprintf(name, sizeof name, "vellmor-sign-%02d-%s", BranchOf(toki),
                  darkPanel ? "dark" : "light");
    return name;
}

std::string PanelSignFile(int toki, bool darkPanel, int size)
{
    char name[48];
    std::snprintf(name, sizeof name, "panel-sign-%02d-%s-%d.png", BranchOf(toki),
                  darkPanel ? "dark" : "light", size);
    return name;
}
