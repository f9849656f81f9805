#pragma once

#include "ClockController.h"
#include "ClockPlatform.h"
#include "LiveTimers.h"
#include "TickSchedule.h"

#include <wx/bitmap.h>
#include <wx/docview.h>
#include <wx/font.h>

#include <map>
#include <memory>

class SoundPlayer;
class DesktopNotifier;
class X11TextBlitter;
class wxPaintEvent;
class wxMouseEvent;
class wxTimerEvent;
class wxWindow;

// The clock window's content. Puts the controller's decisions on the screen
// and the speakers: timers, sounds, message boxes and dialogs, the menu, the
// pictures and texts. Everything is drawn into a backing bitmap and copied to the window
// in its paint handler, so exposing the window never loses a picture.
class CVellmorView : public wxView, public ClockPlatform {
public:
    CVellmorView();
    ~CVellmorView() override;

    bool OnCreate(wxDocument* doc, long flags) override;
    bool OnClose(bool deleteWindow) override;
    void OnDraw(wxDC*) override {}
    // The frame's title stays the application name; no document name shows.
    void OnChangeFilename() override;

    ClockController& Controller() { return *controller_; }
    // Writes the settings to their file now (atomically; a read-only file is
    // left alone). Called at close, after a dialog's OK, and when the
    // display is lost.
    void SaveSettings() const;
    // What the window shows, for checks of the drawing.
    const wxBitmap& BackingStore();
    wxWindow* Canvas() const { return canvas_; }

    // ClockPlatform
    bool StartTimer(int id, int periodMs) override;
    void StopTimer(int id) override;
    void PlaySound(const std::string& name, SoundMode mode) override;
    void StopSound() override;
    void ShowMessage(const std::string& text, const std::string& caption,
                     MessageIcon icon) override;
    AlarmBoxAnswer ShowAlarmBox(const std::string& text, const std::string& caption) override;
    void ShowNotification(const std::string& summary, const std::string& body) override;
    bool RunSettingsDialog(SettingsFields& fields) override;
    bool RunAlarmDialog(AlarmFields& fields) override;
    void RunTokiInfoDialog(const TokiChartData& chart) override;
    bool RunTokiAlarmDialog(TokiAlarmListFields& fields) override;
    void InsertMenuCommand(int position, int commandId, const std::string& text) override;
    void InsertMenuSeparator(int position) override;
    void RemoveMenuItemById(int commandId) override;
    void RemoveMenuItemAt(int position) override;
    void DrawPicture(ClockPicture picture, int srcX, int srcY, int width, int height, int x,
                     int y) override;
    void DrawText(const std::string& text, int x, int y, ClockFont font, Rgb background) override;
    void Invalidate() override;
    bool IsShiftDown() const override;

private:
    void CreateCanvas();
    void LoadPictures();
    void CreateFonts();
    void FitFrameToForm();
    void OnPaint(wxPaintEvent& event);
    void OnDoubleClick(wxMouseEvent& event);
    void OnTimerEvent(wxTimerEvent& event);
    bool ArmBaseTick(const TickArming& arming);
    void OnMenuCommand(wxCommandEvent& event);
    wxMenu* FirstPopup() const;
    void RefreshArea(const wxRect& area);
    void DrawTextToBacking(const std::string& text, int x, int y, ClockFont font, Rgb background);
    bool DrawTextStraight(const std::string& text, int x, int y, ClockFont font, Rgb background);
    void CatchUpStraightText();

    std::unique_ptr<ClockController> controller_;
    std::unique_ptr<SoundPlayer> sound_;
    std::unique_ptr<DesktopNotifier> notifier_;
    wxWindow* canvas_ = nullptr;  // owned by the frame
    wxBitmap backing_;
    bool fullPaintPending_ = true;
    bool painting_ = false;
    std::map<ClockPicture, wxBitmap> pictures_;
    std::map<ClockFont, wxFont> fonts_;
    std::map<ClockFont, int> textHeights_;  // pixels of a line of text
    // The time is copied straight to the screen once a second and drawn
    // into the backing bitmap only before something else is drawn there or
    // the window is painted from it.
    std::unique_ptr<X11TextBlitter> blitter_;
    struct StraightText {
        bool pending = false;  // on the screen, not yet in backing_
        std::string text;
        int x = 0, y = 0;
        ClockFont font = ClockFont::Large;
        Rgb background;
    } straight_;
    // Every timer of the clock, by id; they keep firing behind message boxes
    // and dialogs.
    LiveTimers timers_{*this, kBaseTimer, kTimerCount};

    wxDECLARE_DYNAMIC_CLASS(CVellmorView);
};
