// The bell: scheduled chimes, strike series on the animation timer, the
// manual strike and silencing.
#include "ClockController.h"

#include "ChimeRules.h"
#include "QuietChime.h"

namespace {

const char* const kStrikeSound = "Gooohn.wav";
const char* const kAnimationTimerFailure = "Cannot set animation timer! ";

}  // namespace

void ClockController::StartChime(const ChimeMoment& at)
{
    if (IsQuietChime(settings.quiet, at.hour, at.minute, at.toki)) {
        return;
    }
    const int strikes = ScheduledStrikes(settings.ChimeEvents(), settings.chimeCount, at.hour,
                                         at.minute, StrikeCount(at.toki));
    if (strikes <= 0) {
        return;
    }
    bell.strikesLeft = strikes;
    StartStrikes();
}

void ClockController::StartStrikes()
{
    // Restarting the timer replaces a series in progress from step 0.
    bell.animationStep = 0;
    if (!platform.StartTimer(kAnimationTimer, kAnimationTimerPeriodMs)) {
        bell.strikesLeft = 0;  // nothing will count it down: the bell stays idle
        platform.ShowMessage(kAnimationTimerFailure, "", MessageIcon::None);
    }
}

void ClockController::StepAnimation()
{
    ++bell.animationStep;
    if (bell.animationStep >= kAnimationSteps) {
        bell.animationStep = 0;
        // The series ends at the close of the cycle whose strike was its last.
        if (bell.strikesLeft <= 0) {
            platform.StopTimer(kAnimationTimer);
        }
    }
    DrawBell();
    if (bell.animationStep == kSoundStep) {
        // Yields to a sound already playing; the count goes down either way.
        platform.PlaySound(kStrikeSound, SoundMode::Yield);
        --bell.strikesLeft;
    }
}

void ClockController::StopBell()
{
    platform.StopTimer(kAnimationTimer);
    platform.StopSound();
    bell.animationStep = 0;
    bell.strikesLeft = 0;
    platform.Invalidate();  // repaint with the bell at rest
}

void ClockController::StrikeNow()
{
    if (platform.IsShiftDown()) {
        joyaArmed = 1;
        DispatchEvents(TICK_JOYA);
        return;
    }
    StopBell();
    bell.strikesLeft = 1;
    StartStrikes();
}
