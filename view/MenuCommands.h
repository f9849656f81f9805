#pragma once

#include "ClockPlatform.h"

#include <optional>

// The toolkit's id of each command of the clock's menu. The commands' own
// ids (32771 ..., 57664 ...) lie above the toolkit's limit for menu ids
// (0x7FFF), so the menus use these stand-ins, one for one.
struct MenuCommand {
    ClockCommand command;
    int menuId;
};

constexpr MenuCommand kMenuCommands[] = {
    {ClockCommand::Alarm, 11003},    {ClockCommand::Settings, 11005},
    {ClockCommand::Strike, 11006},   {ClockCommand::StopJoya, 11008},
    {ClockCommand::TokiInfo, 11009}, {ClockCommand::TokiAlarms, 11010},
    {ClockCommand::About, 12320},    {ClockCommand::Exit, 12321},
    {ClockCommand::Help, 12323},
};

constexpr int MenuIdOf(ClockCommand command)
{
    for (const MenuCommand& entry : kMenuCommands) {
        if (entry.command == command) {
            return entry.menuId;
        }
    }
    return 0;  // not reached: every command has an entry
}

// The command of a menu id; nothing for an id of no command of ours.
constexpr std::optional<ClockCommand> CommandOfMenuId(int menuId)
{
    for (const MenuCommand& entry : kMenuCommands) {
        if (entry.menuId == menuId) {
            return entry.command;
        }
    }
    return std::nullopt;
}

// The panel menu's entry that shows or hides the clock window; the shell's,
// as 終了 is. No command of the clock's own.
constexpr int kShowHideMenuId = 11011;

static_assert(MenuIdOf(ClockCommand::Help) != 0 && MenuIdOf(ClockCommand::Help) < 0x7FFF);
static_assert(CommandOfMenuId(MenuIdOf(ClockCommand::Strike)) == ClockCommand::Strike);
