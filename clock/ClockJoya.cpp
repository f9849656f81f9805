// New Year's Eve: 108 strikes, one every 15 s, with a menu item to stop them.
#include "ClockController.h"

namespace {

const char* const kJoyaTimerFailure = "Cannot set Joya timer! ";

}  // namespace

void ClockController::StartJoya()
{
    joyaArmed = 0;
    joyaLeft = kJoyaStrikes;
    // Each start adds its own item with a separator below it at the top.
    platform.InsertMenuSeparator(0);
    platform.InsertMenuCommand(0, ClockCommand::StopJoya, kStopJoyaItemText);
    ++joyaMenuItems;
    if (!platform.StartTimer(kJoyaTimer, kJoyaTimerPeriodMs)) {
        // The sequence stays running without strikes until the user stops it.
        platform.ShowMessage(kJoyaTimerFailure, "", MessageIcon::None);
    }
}

void ClockController::JoyaStrike()
{
    // The count and the timer are settled before the strike starts: a message
    // box raised by StartStrikes lets this timer fire again meanwhile.
    const bool strike = joyaLeft > 0;
    if (strike) {
        --joyaLeft;
    }
    if (joyaLeft <= 0) {
        joyaLeft = 0;
        platform.StopTimer(kJoyaTimer);
        platform.Invalidate();  // the repaint clears the countdown line
    }
    if (strike) {
        bell.strikesLeft = 1;
        StartStrikes();
    }
}

void ClockController::StopJoya()
{
    joyaLeft = 0;  // the timer's next firing finds 0 and stops itself
    if (joyaMenuItems == 0) {
        return;  // nothing of ours at the top of the menu to remove
    }
    platform.RemoveMenuItemById(ClockCommand::StopJoya);
    platform.RemoveMenuItemAt(0);  // the separator that was below it
    --joyaMenuItems;
}
