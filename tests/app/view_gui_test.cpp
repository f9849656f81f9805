// The clock window on a real (virtual) display: frame, menu, view adapter.
#include "ClockPlatform.h"
#include "ClockWindowFixture.h"
#include "GuiSettle.h"
#include "MenuCommands.h"

#include <gtest/gtest.h>

#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/menu.h>

#include <iterator>
#include <optional>

#if VELLMOR_X11_TEXT_BLIT
#include "X11NativeHolder.h"

#include <gdk/gdkx.h>
#endif

namespace {

class ClockWindowTest : public ClockWindowFixture {
protected:
    wxMenu* FilePopup() { return frame->GetMenuBar()->GetMenu(0); }

    // The backing store in logical pixels; at a scale of 2 it has twice as many.
    wxImage Backing()
    {
        const wxBitmap& backing = view->BackingStore();
        const wxImage image = backing.ConvertToImage();
        return backing.GetScaleFactor() == 1.0
                   ? image
                   : image.Scale(backing.GetLogicalWidth(), backing.GetLogicalHeight());
    }
};

TEST_F(ClockWindowTest, FrameTitleStyleMenuAndSize)
{
    EXPECT_EQ(frame->GetTitle(), "Vellmor");
    EXPECT_FALSE(frame->HasFlag(wxMAXIMIZE_BOX));
    EXPECT_TRUE(frame->HasFlag(wxMINIMIZE_BOX));
    EXPECT_TRUE(frame->HasFlag(wxRESIZE_BORDER));

    wxMenuBar* bar = frame->GetMenuBar();
    ASSERT_EQ(bar->GetMenuCount(), 2u);
    EXPECT_EQ(bar->GetMenuLabel(0), wxString::FromUTF8("ﾌｧｲﾙ(&F)"));
    EXPECT_EQ(bar->GetMenuLabel(1), wxString::FromUTF8("ﾍﾙﾌﾟ(&H)"));
    const struct {
        std::optional<ClockCommand> command;
        const char* label;  // null for a separator
    } file[] = {{ClockCommand::Strike, "鐘をつく(&D)"},
                {ClockCommand::Settings, "設定(&S)"},
                {ClockCommand::Alarm, "アラーム(&L)"},
                {ClockCommand::TokiAlarms, "刻のアラーム(&T)"},
                {ClockCommand::TokiInfo, "ときの情報(&I)"},
                {std::nullopt, nullptr},
                {ClockCommand::Exit, "終了(&X)"}};
    ASSERT_EQ(FilePopup()->GetMenuItemCount(), std::size(file));
    for (size_t i = 0; i < std::size(file); ++i) {
        wxMenuItem* item = FilePopup()->FindItemByPosition(i);
        if (!file[i].label) {
            EXPECT_TRUE(item->IsSeparator());
            continue;
        }
        EXPECT_EQ(CommandOfMenuId(item->GetId()), file[i].command);
        EXPECT_EQ(item->GetItemLabel(), wxString::FromUTF8(file[i].label));
    }
    EXPECT_EQ(FilePopup()->FindItem(MenuIdOf(ClockCommand::StopJoya)), nullptr);

    const wxSize client = frame->GetClientSize();
    EXPECT_GE(client.x, 180);
    EXPECT_GE(client.y, 200);
    EXPECT_LE(client.x, 200);  // fitted to the form, not the frame's default size
}

// The menu edits of New Year's Eve as the controller makes them (the
// pairs are its rule, tests/clock/joya_test.cpp): on the real menu each item
// lands at the top with its separator below it, and goes again with it.
TEST_F(ClockWindowTest, NewYearsEveMenuItemsComeAndGoInPairs)
{
    const auto start = [this] {
        view->InsertMenuSeparator(0);
        view->InsertMenuCommand(0, ClockCommand::StopJoya, kStopJoyaItemText);
    };
    const auto stop = [this] {
        view->RemoveMenuItemById(ClockCommand::StopJoya);
        view->RemoveMenuItemAt(0);
    };
    start();
    start();  // started again while running: a second pair on top
    ASSERT_EQ(FilePopup()->GetMenuItemCount(), 11u);
    for (size_t top : {0u, 2u}) {
        EXPECT_EQ(FilePopup()->FindItemByPosition(top)->GetItemLabel(),
                  wxString::FromUTF8("除夜の鐘中止"));
        EXPECT_EQ(CommandOfMenuId(FilePopup()->FindItemByPosition(top)->GetId()),
                  ClockCommand::StopJoya);
        EXPECT_TRUE(FilePopup()->FindItemByPosition(top + 1)->IsSeparator());
    }
    stop();
    EXPECT_EQ(FilePopup()->GetMenuItemCount(), 9u);
    stop();
    EXPECT_EQ(FilePopup()->GetMenuItemCount(), 7u);
    EXPECT_EQ(CommandOfMenuId(FilePopup()->FindItemByPosition(0)->GetId()), ClockCommand::Strike);
}

TEST_F(ClockWindowTest, FullPaintDrawsThePicturesAndTicksDrawTheTime)
{
    view->Invalidate();
    view->Canvas()->Update();
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
    view->DrawText("12:34:56 ", 50, 38, ClockFont::Large, kWhite);
    const wxImage withTime = Backing();
    int dark = 0;
    for (int y = 38; y < 62; ++y) {
        for (int x = 50; x < 160; ++x) {
            dark += withTime.GetRed(x, y) < 80 && withTime.GetGreen(x, y) < 80;
        }
    }
    EXPECT_GT(dark, 100) << "no time text drawn";
}

#if VELLMOR_X11_TEXT_BLIT
// What the X server shows of the canvas, without handling any event (so no
// paint can run): only what was copied straight to the window is there.
wxImage OnScreen(wxWindow* canvas, const wxRect& area)
{
    int x = 0, y = 0;
    GdkWindow* window = X11NativeHolder(canvas->GTKGetDrawingWindow(), x, y);
    x += area.x;
    y += area.y;
    Display* display = gdk_x11_display_get_xdisplay(gdk_window_get_display(window));
    XSync(display, False);
    XImage* pixels = XGetImage(display, gdk_x11_window_get_xid(window), x, y,
                               static_cast<unsigned>(area.width),
                               static_cast<unsigned>(area.height), AllPlanes, ZPixmap);
    if (!pixels) {
        return wxImage();
    }
    wxImage image(area.width, area.height);
    for (int row = 0; row < area.height; ++row) {
        for (int col = 0; col < area.width; ++col) {
            const unsigned long p = XGetPixel(pixels, col, row);
            image.SetRGB(col, row, (p >> 16) & 0xff, (p >> 8) & 0xff, p & 0xff);
        }
    }
    XDestroyImage(pixels);
    return image;
}

int DifferingPixels(const wxImage& a, const wxImage& b)
{
    int differing = 0;
    for (int y = 0; y < a.GetHeight(); ++y) {
        for (int x = 0; x < a.GetWidth(); ++x) {
            differing += a.GetRed(x, y) != b.GetRed(x, y) ||
                         a.GetGreen(x, y) != b.GetGreen(x, y) ||
                         a.GetBlue(x, y) != b.GetBlue(x, y);
        }
    }
    return differing;
}

// The time goes to the screen at once, each second, without a paint, in
// pieces cut at the last colon; it must look exactly as the text drawn
// whole, and a later paint from the backing bitmap must show the same.
TEST_F(ClockWindowTest, TimeCopiedStraightToTheScreenLooksAsDrawnWhole)
{
    if (view->Canvas()->GetContentScaleFactor() != 1.0) {
        GTEST_SKIP() << "at other scales the time is drawn through the toolkit";
    }
    const wxRect time(50, 38, 125, 24);
    // The clock's own tick would draw the real time over the test's.
    view->StopTimer(kBaseTimer);
    view->Invalidate();
    view->Canvas()->Update();
    Settle();
    const wxImage before = OnScreen(view->Canvas(), time);
    ASSERT_TRUE(before.IsOk());
    // New minutes and seconds, a second seen before under another minute.
    for (const char* text : {"12:34:58 ", "12:34:59 ", "12:35:00 ", "12:35:01 ", "13:00:58 ",
                             "23:59:59 "}) {
        view->DrawText(text, time.x, time.y, ClockFont::Large, kWhite);
        const wxImage shown = OnScreen(view->Canvas(), time);
        const wxImage whole = view->BackingStore().ConvertToImage().GetSubImage(time);
        EXPECT_EQ(DifferingPixels(shown, whole), 0) << text;
        EXPECT_GT(DifferingPixels(shown, before), 50) << text << ": not on the screen yet";
    }
    // A paint from the backing bitmap, which the last copy has not reached
    // yet, shows that time and no older one.
    view->DrawText("07:08:09 ", time.x, time.y, ClockFont::Large, kWhite);
    const wxImage copied = OnScreen(view->Canvas(), time);
    view->Canvas()->RefreshRect(wxRect(0, 0, 180, 100), false);
    view->Canvas()->Update();
    Settle();
    EXPECT_EQ(DifferingPixels(OnScreen(view->Canvas(), time), copied), 0);
}

// A picture drawn after the time lies over it, though the time went
// straight to the screen and reached the backing bitmap only later; the
// rest of the time stays, in the paint from the bitmap too.
TEST_F(ClockWindowTest, APictureDrawnAfterTheTimeLiesOverItAndTheTimeStays)
{
    if (view->Canvas()->GetContentScaleFactor() != 1.0) {
        GTEST_SKIP() << "at other scales the time is drawn through the toolkit";
    }
    const wxRect time(50, 38, 125, 24);
    const wxRect block(time.x, time.y, 31, 24);  // the top of the first toki frame
    const wxRect rest(block.GetRight() + 1, time.y, time.width - block.width, time.height);
    const auto paint = [this] {
        view->Canvas()->Refresh(false);
        view->Canvas()->Update();
        Settle();
    };
    const auto drawBlock = [&] {
        view->DrawPicture(ClockPicture::Toki, 0, 0, block.width, block.height, block.x, block.y);
    };
    view->StopTimer(kBaseTimer);
    view->Invalidate();
    paint();
    const wxImage face = OnScreen(view->Canvas(), rest);
    drawBlock();
    paint();
    const wxImage pictureAlone = OnScreen(view->Canvas(), block);
    ASSERT_TRUE(pictureAlone.IsOk());

    view->Invalidate();
    paint();
    view->DrawText("12:34:56 ", time.x, time.y, ClockFont::Large, kWhite);
    drawBlock();
    paint();
    EXPECT_EQ(DifferingPixels(OnScreen(view->Canvas(), block), pictureAlone), 0)
        << "the time came over the picture";
    EXPECT_GT(DifferingPixels(OnScreen(view->Canvas(), rest), face), 50)
        << "the time vanished";
}
#endif

TEST_F(ClockWindowTest, TimersStartAndStopById)
{
    EXPECT_TRUE(view->StartTimer(kAnimationTimer, kAnimationTimerPeriodMs));
    EXPECT_TRUE(view->StartTimer(kAnimationTimer, kAnimationTimerPeriodMs));  // restart
    view->StopTimer(kAnimationTimer);
    view->StopTimer(kJoyaTimer);  // never started: harmless
}

}  // namespace
