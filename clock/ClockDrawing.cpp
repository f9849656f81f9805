// Drawing of the face, the pictures and the texts. Pixels in the view's
// client area; a strip's frame n starts at x = n * frame width.
#include "ClockController.h"

#include "TokiNames.h"

#include <cstdio>

namespace {

constexpr int kFaceWidth = 180, kFaceHeight = 200;  // top part of the 180 x 264 picture
constexpr int kBellSize = 90, kBellX = 58, kBellY = 62;
constexpr int kBellLastMovingFrame = 14;
constexpr int kBranchSize = 29, kBranchX = 119, kBranchY = 5;
constexpr int kTokiWidth = 31, kTokiHeight = 54, kTokiX = 5, kTokiY = 94;
constexpr int kTimeX = 50, kTimeY = 38;
constexpr int kAlarmX = 5, kAlarmY = 72;

}  // namespace

void ClockController::FullPaint()
{
    DrawFace();
    DrawBell();
    DrawBranch();
    DrawTokiPicture();
    if (settings.TokiTextShown()) {
        DrawTokiText();  // on the face just drawn
    }
    // The repaint wiped the time and the countdown; the next tick draws them.
    drawnTime.clear();
    drawnCountdown = 0;
}

void ClockController::DrawFace()
{
    platform.DrawPicture(ClockPicture::Face, 0, 0, kFaceWidth, kFaceHeight, 0, 0);
    if (settings.AlarmArmed()) {
        char text[32];
        std::snprintf(text, sizeof text, "%2.2d:%2.2d", settings.alarmHour, settings.alarmMinutes);
        platform.DrawText(text, kAlarmX, kAlarmY, ClockFont::Medium, kAlarmYellow);
    }
}

void ClockController::DrawBell()
{
    const int step = bell.animationStep;
    const int frame = (step >= 1 && step <= kBellLastMovingFrame) ? step : 0;
    platform.DrawPicture(ClockPicture::Bell, frame * kBellSize, 0, kBellSize, kBellSize, kBellX,
                         kBellY);
}

void ClockController::DrawBranch()
{
    const int frame = settings.ShowsFixedHours() ? calendar.GetHour() : calendar.GetCurrentToki();
    platform.DrawPicture(ClockPicture::Branch, frame * kBranchSize, 0, kBranchSize, kBranchSize,
                         kBranchX, kBranchY);
}

void ClockController::DrawToki()
{
    DrawTokiPicture();
    // The text line names the same toki as the picture, so it changes with
    // it. The labels differ in width: the face under the line, left of the
    // sign, is drawn again first, so that no tail of a longer label stays.
    if (settings.TokiTextShown()) {
        platform.DrawPicture(ClockPicture::Face, 0, 0, kBranchX, lineHeight, 0, 0);
        DrawTokiText();
    }
}

void ClockController::DrawTokiPicture()
{
    platform.DrawPicture(ClockPicture::Toki, calendar.GetCurrentToki() * kTokiWidth, 0,
                         kTokiWidth, kTokiHeight, kTokiX, kTokiY);
}

void ClockController::DrawTokiText()
{
    platform.DrawText(PaddedLabelFor(calendar.GetCurrentToki()), 0, 0, ClockFont::Small, kOrange);
}

void ClockController::DrawTime()
{
    std::string time = calendar.GetTimeText();  // "HH:MM:SS", within the short-string buffer
    if (time.empty() || time == drawnTime) {
        return;
    }
    drawnTime = time;
    time += ' ';  // the trailing blank wipes what a wider text left behind
    platform.DrawText(time, kTimeX, kTimeY, ClockFont::Large, kWhite);
}

void ClockController::DrawCountdown()
{
    if (joyaLeft == 0 || joyaLeft == drawnCountdown) {
        return;
    }
    drawnCountdown = joyaLeft;
    char text[48];
    std::snprintf(text, sizeof text, " 除夜の鐘 残り%3d ", joyaLeft);
    platform.DrawText(text, 0, lineHeight, ClockFont::Small, kOrange);
}
