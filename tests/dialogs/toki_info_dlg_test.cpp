// The toki-information dialog on screen: layout at opening, the painted
// chart, the keys that close it.
#include "ClockFonts.h"
#include "DialogTestKit.h"
#include "TokiInfoDlg.h"

#include <gtest/gtest.h>

#include <wx/dcclient.h>
#include <wx/dcmemory.h>

namespace {

// A day of evenly spaced boundaries, 60 minutes apart from 23:41.
TokiChartData EvenDay()
{
    TokiChartData data;
    for (int i = 0; i < kChartBoundaryCount; ++i) {
        const auto n = static_cast<std::size_t>(i);
        data.entryMinutes[n] = 60 * i;
        data.entryLabels[n] = "刻" + std::to_string(i) + "  " + ClockTimeText(-19 + 60 * i);
    }
    data.sunriseMinutes = 330;
    data.sunsetMinutes = 1050;
    data.sunriseText = ClockTimeText(-19 + 330);
    data.sunsetText = ClockTimeText(-19 + 1050);
    data.placeDateText = "横浜 － 西暦 2006年 6月 21日";
    data.coordinatesText = "（北緯 35度 27分、東経 139度 39分）";
    return data;
}

class TokiInfoDialogTest : public DialogTest {
protected:
    void Open(const CalendarLine& calendar = {})
    {
        dialog = new CTokiInfoDlg(owner);  // destroyed with owner
        dialog->data = EvenDay();
        dialog->data.calendar = calendar;
        templateClient = dialog->GetClientSize();
        EXPECT_FALSE(dialog->IsLaidOut());
        dialog->Show();
        Settle();
    }

    wxColour PixelAt(const wxImage& image, int x, int y)
    {
        return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
    }

    CTokiInfoDlg* dialog = nullptr;
    wxSize templateClient;  // the template's client size, before the dialog is shown
};

TEST_F(TokiInfoDialogTest, LaysOutOnceFromTheClientHeightAndA9PointFont)
{
    Open();
    ASSERT_TRUE(dialog->IsLaidOut());
    const TokiChartLayout& layout = dialog->GetLayout();
    // Points are counted in logical pixels, at a scale of 2 as at 1.
    const int dpi = LogicalDpi(*dialog) > 0 ? LogicalDpi(*dialog) : 96;
    EXPECT_LE(layout.charHeight, dpi * 90 / 720);
    EXPECT_GE(layout.charHeight, dpi * 90 / 720 - 3);
    EXPECT_GT(layout.charWidth, 0);

    const int height = dialog->GetClientSize().y;
    EXPECT_EQ(layout.entryY[0], 5 * layout.charHeight);
    // 1440 minutes after boundary 0, up to the rounding of one row.
    EXPECT_NEAR(layout.entryY[24], height - 2 * layout.charHeight, 1);
    EXPECT_EQ(layout.barLeft, 10 * layout.charWidth);
    EXPECT_EQ(layout.barRight, 42 * layout.charWidth);
}

TEST_F(TokiInfoDialogTest, HalfTokiLabelsFitInsideTheDialog)
{
    Open();
    const TokiChartLayout& layout = dialog->GetLayout();
    wxClientDC dc(dialog);
    dc.SetFont(dialog->GetFont());
    for (int i = 1; i < kChartBoundaryCount; i += 2) {
        const wxString label = "-" + wxString::FromUTF8(dialog->data.entryLabels[i]);
        // Measured in a font at least as wide as the chart's 9-point one.
        EXPECT_LE(layout.halfLabelX + dc.GetTextExtent(label).x, dialog->GetClientSize().x)
            << i;
    }
    EXPECT_GE(dialog->GetClientSize().x, dialog->ConvertDialogToPixels(wxSize(189, 0)).x);
}

TEST_F(TokiInfoDialogTest, PaintsTheBandsNoonLineAndTexts)
{
    Open();
    const TokiChartLayout& at = dialog->GetLayout();
    wxBitmap canvas(dialog->GetClientSize());
    {
        wxMemoryDC dc(canvas);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        dialog->PaintChart(dc);
    }
    const wxImage image = canvas.ConvertToImage();
    const wxColour bands[] = {{0, 0, 200},    {40, 40, 255},  {90, 90, 255},
                              {255, 195, 60}, {255, 225, 60}, {255, 255, 60}};
    // Sample each toki in a column of the bar that no label covers.
    const int x = at.barRight - 2;
    for (int toki = 0; toki < 12; ++toki) {
        const int band = toki < 6 ? toki : 11 - toki;
        const auto n = static_cast<std::size_t>(2 * toki);
        const int y = (at.entryY[n] + at.entryY[n + 2]) / 2;
        EXPECT_EQ(PixelAt(image, x, y), bands[band]) << "toki pair " << toki;
    }
    // Outlines at the even boundaries, the noon line across the bar.
    EXPECT_EQ(PixelAt(image, x, at.entryY[4]), *wxBLACK);
    EXPECT_EQ(PixelAt(image, x, at.entryY[12]), *wxBLACK);
    EXPECT_EQ(PixelAt(image, at.barLeft + 1, at.entryY[12]), *wxBLACK);
    // Texts stand on light grey boxes: the headings, a half-toki label right
    // of the bar, and the 日出 mark left of it.
    const wxColour grey(200, 200, 200);
    EXPECT_EQ(PixelAt(image, at.placeDateX, at.placeDateY), grey);
    EXPECT_EQ(PixelAt(image, at.coordinatesX, at.coordinatesY), grey);
    EXPECT_EQ(PixelAt(image, at.halfLabelX + 1, at.entryY[1] - at.halfCharHeight), grey);
    EXPECT_EQ(PixelAt(image, at.markX, at.sunriseY - at.halfCharHeight), grey);
    EXPECT_EQ(PixelAt(image, at.markX, at.entryY[12] - at.halfCharHeight), grey);
    // Nothing is painted left of the marks.
    EXPECT_EQ(PixelAt(image, at.markX - 2, at.sunriseY), *wxWHITE);
}

TEST_F(TokiInfoDialogTest, TheCalendarsLineAndTheMoonStandUnderTheChart)
{
    const struct {
        int tile;
        bool lit;  // the moon's middle lit (full) or dark (new)
    } cases[] = {{15, true}, {0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tile);
        Open({"旧暦11月21日　冬至　乃東生　月齢 19.9", c.tile});
        const TokiChartLayout& at = dialog->GetLayout();
        const wxRect moon = dialog->GetMoonRect();
        const wxPoint text = dialog->GetCalendarTextPosition();
        const wxSize client = dialog->GetClientSize();
        // The chart gives up a row at its bottom to the line, a row below
        // its last label; the dialog does not grow (a short screen, as at a
        // scale of 2 on Xvfb, may even cut it).
        EXPECT_LE(client.y, templateClient.y);
        EXPECT_EQ(at.entryY[0], 5 * at.charHeight);
        EXPECT_NEAR(at.entryY[24], client.y - 2 * at.charHeight - moon.height, 1);
        EXPECT_GE(text.y, at.entryY[24] + at.charHeight);
        EXPECT_EQ(moon.GetSize(), wxSize(16, 16));  // logical pixels at any scale
        EXPECT_GT(moon.x, text.x + 10 * at.charWidth);
        EXPECT_LE(moon.GetRight() + at.charWidth, client.x);
        EXPECT_LE(moon.GetBottom() + at.charHeight, client.y);
        EXPECT_LE(text.y + 2 * at.charHeight, client.y);

        wxBitmap canvas(client);
        {
            wxMemoryDC dc(canvas);
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
            dialog->PaintChart(dc);
        }
        const wxImage image = canvas.ConvertToImage();
        // The text on its light grey box, like the chart's other texts.
        EXPECT_EQ(PixelAt(image, text.x, text.y), wxColour(200, 200, 200));
        // The tile's night-sky corner, and the moon's middle.
        const wxColour corner = PixelAt(image, moon.x + 2, moon.y + 2);
        EXPECT_GT(corner.Blue(), 2 * corner.Red()) << corner.GetAsString();
        const wxColour middle =
            PixelAt(image, moon.x + moon.width / 2, moon.y + moon.height / 2);
        if (c.lit) {
            EXPECT_GT(middle.Red(), 220) << middle.GetAsString();
            EXPECT_GT(middle.Green(), 200) << middle.GetAsString();
        } else {
            EXPECT_LT(middle.Red(), 100) << middle.GetAsString();
            EXPECT_GT(middle.Blue(), middle.Red()) << middle.GetAsString();
        }
        dialog->Destroy();
        Settle();
    }
}

TEST_F(TokiInfoDialogTest, WithoutACalendarLineNothingIsPlacedUnderTheChart)
{
    Open();
    EXPECT_TRUE(dialog->GetMoonRect().IsEmpty());
    EXPECT_NEAR(dialog->GetLayout().entryY[24],
                dialog->GetClientSize().y - 2 * dialog->GetLayout().charHeight, 1);
}

TEST_F(TokiInfoDialogTest, EnterClosesWithOkAndEscWithCancel)
{
    const struct {
        int key;
        int code;
    } cases[] = {{WXK_RETURN, wxID_OK}, {WXK_ESCAPE, wxID_CANCEL}};
    for (const auto& c : cases) {
        Open();
        wxKeyEvent key(wxEVT_CHAR_HOOK);
        key.m_keyCode = c.key;
        key.SetEventObject(dialog);
        dialog->ProcessWindowEvent(key);
        EXPECT_FALSE(dialog->IsShown());
        EXPECT_EQ(dialog->GetReturnCode(), c.code);
        dialog->Destroy();
        Settle();
    }
}

}  // namespace
