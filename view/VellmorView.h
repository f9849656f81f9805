#pragma once

#include "ClockController.h"
#include "ClockPlatform.h"
#include "LiveTimers.h"
#include "TickSchedule.h"

#include <wx/bitmap.h>
#include <wx/docview.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

class ClockSurface;
class SoundPlayer;
class DesktopNotifier;
class PanelIndicator;
class wxShowEvent;
class wxPaintEvent;
class wxMouseEvent;
class wxTimerEvent;
class wxWindow;

// The clock window's content. Puts the controller's decisions on the screen
// and the speakers: timers, sounds, message boxes and dialogs, the menu, the
// pictures and texts. Pictures and texts go to the window's ClockSurface.
class CVellmorView : public wxView, public ClockPlatform {
public:
    CVellmorView();
    ~CVellmorView() override;

    bool OnCreate(wxDocument* doc, long flags) override;
    bool OnClose(bool deleteWindow) override;
    void OnDraw(wxDC*) override {}
    // The frame's title stays the application name; no document name shows.
    void OnChangeFilename() override;

    ClockController& Controller() { return *controller; }
    // Writes the settings to their file now (atomically; a read-only file is
    // left alone). Called at close and when the display is lost; a dialog's
    // OK saves through the controller.
    WriteOutcome SaveSettings() const;
    // Told the file and the reason when the save at close fails: the
    // program is ending, and no box may hold it.
    using SaveFailureHandler =
        std::function<void(const std::string& path, const std::string& reason)>;
    void OnSaveFailureAtClose(SaveFailureHandler handler) { saveFailureAtClose = std::move(handler); }
    // What the window shows, for checks of the drawing.
    // Whether the clock has its item in the desktop's panel: the close box
    // then hides the window, and a start with --hidden shows none.
    bool InPanel() const;
    const wxBitmap& BackingStore();
    wxWindow* Canvas() const { return canvas; }

    // ClockPlatform
    bool StartTimer(int id, int periodMs) override;
    void StopTimer(int id) override;
    void PlaySound(const std::string& name, SoundMode mode) override;
    void StopSound() override;
    void ShowMessage(const std::string& text, const std::string& caption,
                     MessageIcon icon) override;
    AlarmBoxAnswer ShowAlarmBox(const std::string& text, const std::string& caption) override;
    void ShowNotification(const std::string& summary, const std::string& body) override;
    void ShowPanelStatus(const PanelStatus& status) override;
    bool StartsWithSession() const override;
    WriteOutcome SetStartsWithSession(bool on) override;
    bool RunSettingsDialog(SettingsFields& fields) override;
    bool RunAlarmDialog(AlarmFields& fields) override;
    void RunTokiInfoDialog(const TokiChartData& chart) override;
    bool RunTokiAlarmDialog(TokiAlarmListFields& fields) override;
    void InsertMenuCommand(int position, ClockCommand command, const std::string& text) override;
    void InsertMenuSeparator(int position) override;
    void RemoveMenuItemById(ClockCommand command) override;
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
    // The panel's item and its menu; the menu's choices reach the frame as
    // its own menu's do, after the panel's call has returned.
    void CreatePanelItem();
    void OnFrameShown(wxShowEvent& event);

    std::unique_ptr<ClockController> controller;
    SaveFailureHandler saveFailureAtClose;
    std::unique_ptr<SoundPlayer> sound;
    std::unique_ptr<DesktopNotifier> notifier;
    std::unique_ptr<PanelIndicator> panel;  // while the indicator is on and a panel took it
    bool panelAbsenceTold = false;          // the one line on stderr was written
    wxWindow* canvas = nullptr;  // owned by the frame
    std::unique_ptr<ClockSurface> surface;
    std::map<ClockPicture, wxBitmap> pictures;
    // Every timer of the clock, by id; they keep firing behind message boxes
    // and dialogs.
    LiveTimers timers{*this, kBaseTimer, kTimerCount};

    wxDECLARE_DYNAMIC_CLASS(CVellmorView);
};
