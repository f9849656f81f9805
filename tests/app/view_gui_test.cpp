// The clock window on a real (virtual) display: frame, menu, view adapter.
#include "ClockPlatform.h"
#include "ClockWindowFixture.h"
#include "GuiSettle.h"
#include "MenuIds.h"

#include <gtest/gtest.h>

#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/menu.h>

#include <iterator>

namespace {

class ClockWindowTest : public ClockWindowFixture {
protected:
    wxMenu* FilePopup() { return frame_->GetMenuBar()->GetMenu(0); }

    // The backing store in logical pixels; at a scale of 2 it has twice as many.
    wxImage Backing()
    {
        const wxBitmap& backing = view_->BackingStore();
        const wxImage image = backing.ConvertToImage();
        return backing.GetScaleFactor() == 1.0
                   ? image
                   : image.Scale(backing.GetLogicalWidth(), backing.GetLogicalHeight());
    }
};

TEST_F(ClockWindowTest, FrameTitleStyleMenuAndSize)
{
    EXPECT_EQ(frame_->GetTitle(), "Vellmor");
    EXPECT_FALSE(frame_->HasFlag(wxMAXIMIZE_BOX));
    EXPECT_TRUE(frame_->HasFlag(wxMINIMIZE_BOX));
    EXPECT_TRUE(frame_->HasFlag(wxRESIZE_BORDER));

    wxMenuBar* bar = frame_->GetMenuBar();
    ASSERT_EQ(bar->GetMenuCount(), 2u);
    EXPECT_EQ(bar->GetMenuLabel(0), wxString::FromUTF8("ﾌｧｲﾙ(&F)"));
    EXPECT_EQ(bar->GetMenuLabel(1), wxString::FromUTF8("ﾍﾙﾌﾟ(&H)"));
    const struct {
        int id;
        const char* label;
    } file[] = {{kCmdStrike, "鐘をつく(&D)"}, {kCmdSettings, "設定(&S)"},
                {kCmdAlarm, "アラーム(&L)"}, {kCmdTokiInfo, "ときの情報(&I)"},
                {0, nullptr}, {kCmdExit, "終了(&X)"}};
    ASSERT_EQ(FilePopup()->GetMenuItemCount(), std::size(file));
    for (size_t i = 0; i < std::size(file); ++i) {
        wxMenuItem* item = FilePopup()->FindItemByPosition(i);
        if (!file[i].label) {
            EXPECT_TRUE(item->IsSeparator());
            continue;
        }
        EXPECT_EQ(FromMenuId(item->GetId()), file[i].id);
        EXPECT_EQ(item->GetItemLabel(), wxString::FromUTF8(file[i].label));
    }
    EXPECT_EQ(FilePopup()->FindItem(ToMenuId(kCmdStopJoya)), nullptr);

    const wxSize client = frame_->GetClientSize();
    EXPECT_GE(client.x, 180);
    EXPECT_GE(client.y, 200);
    EXPECT_LE(client.x, 200);  // fitted to the form, not the frame's default size
}

TEST_F(ClockWindowTest, NewYearsEveMenuItemsComeAndGoInPairs)
{
    ClockController& clock = view_->Controller();
    clock.StartJoya();
    clock.StartJoya();  // started again while running: a second pair on top
    ASSERT_EQ(FilePopup()->GetMenuItemCount(), 10u);
    for (size_t top : {0u, 2u}) {
        EXPECT_EQ(FilePopup()->FindItemByPosition(top)->GetItemLabel(),
                  wxString::FromUTF8("除夜の鐘中止"));
        EXPECT_TRUE(FilePopup()->FindItemByPosition(top + 1)->IsSeparator());
    }
    clock.StopJoya();
    EXPECT_EQ(FilePopup()->GetMenuItemCount(), 8u);
    clock.StopJoya();
    EXPECT_EQ(FilePopup()->GetMenuItemCount(), 6u);
    EXPECT_EQ(FromMenuId(FilePopup()->FindItemByPosition(0)->GetId()), kCmdStrike);
}

TEST_F(ClockWindowTest, FullPaintDrawsThePicturesAndTicksDrawTheTime)
{
    view_->Invalidate();
    view_->Canvas()->Update();
    Settle();
    const wxImage shown = Backing();
    // The bell picture's frame 0 sits at (58, 62).
    ASSERT_TRUE(shown.IsOk());
    int differing = 0;
    for (int y = 62; y < 62 + 90; ++y) {
        for (int x = 58; x < 58 + 90; ++x) {
            differing += shown.GetRed(x, y) != 255 || shown.GetGreen(x, y) != 255;
        }
    }
    EXPECT_GT(differing, 1000) << "no bell tower drawn";

    // The digital time: black serif digits on white right of (50, 38).
    view_->DrawText("12:34:56 ", 50, 38, ClockFont::Large, kWhite);
    const wxImage withTime = Backing();
    int dark = 0;
    for (int y = 38; y < 62; ++y) {
        for (int x = 50; x < 160; ++x) {
            dark += withTime.GetRed(x, y) < 80 && withTime.GetGreen(x, y) < 80;
        }
    }
    EXPECT_GT(dark, 100) << "no time text drawn";
}

TEST_F(ClockWindowTest, TimersStartAndStopById)
{
    EXPECT_TRUE(view_->StartTimer(kAnimationTimer, kAnimationTimerPeriodMs));
    EXPECT_TRUE(view_->StartTimer(kAnimationTimer, kAnimationTimerPeriodMs));  // restart
    view_->StopTimer(kAnimationTimer);
    view_->StopTimer(kJoyaTimer);  // never started: harmless
}

}  // namespace
