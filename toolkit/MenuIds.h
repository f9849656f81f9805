#pragma once

// The clock's command ids (32771 ..., 57664 ...) lie above the toolkit's
// limit for menu ids (0x7FFF); menus use these stand-ins, one for one.
constexpr int ToMenuId(int commandId)
{
    return commandId >= 57344 ? commandId - 57344 + 12000
         : commandId >= 32768 ? commandId - 32768 + 11000
                              : commandId;
}

constexpr int FromMenuId(int menuId)
{
    return menuId >= 12000 && menuId < 20000 ? menuId - 12000 + 57344
         : menuId >= 11000 && menuId < 12000 ? menuId - 11000 + 32768
                                              : menuId;
}

static_assert(FromMenuId(ToMenuId(32771)) == 32771 && FromMenuId(ToMenuId(57664)) == 57664);
static_assert(ToMenuId(57671) < 0x7FFF);
