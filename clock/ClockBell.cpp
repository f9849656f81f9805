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
    const int strikes = ScheduledStrikes(settings.chime, settings.chimeCount, at.hour, at.minute,
                                         StrikeCount(at.toki));
    if (strikes <= 0) {
        return;
    }
    strikesLeft = strikes;
    StartStrikes();
}

void ClockController::StartStrikes()
{
    // Restarting the timer replaces a series in progress from step 0.
    animationStep = 0;
    if (!platform_.StartTimer(kAnimationTimer, kAnimationTimerPeriodMs)) {
        strikesLeft = 0;  // nothing will count it down: the bell stays idle
        platform_.ShowMessage(kAnimationTimerFailure, "", MessageIcon::None);
    }
}

void ClockController::StepAnimation()
{
    ++animationStep;
    if (animationStep >= kAnimationSteps) {
        animationStep = 0;
        // The series ends at the close of the cycle whose strike was its last.
        if (strikesLeft <= 0) {
            platform_.StopTimer(kAnimationTimer);
        }
    }
    DrawBell();
    if (animationStep == kSoundStep) {
        // Yields to a sound already playing; the count goes down either way.
        platform_.PlaySound(kStrikeSound, SoundMode::Yield);
        --strikesLeft;
    }
}

void ClockController::StopBell()
{
    platform_.StopTimer(kAnimationTimer);
    platform_.StopSound();
    animationStep = 0;
    strikesLeft = 0;
    platform_.Invalidate();  // repaint with the bell at rest
}

void ClockController::StrikeNow()
{
    if (platform_.IsShiftDown()) {
        joyaArmed = 1;
        DispatchEvents(TICK_JOYA);
        return;
    }
    StopBell();
    strikesLeft = 1;
    StartStrikes();
}
