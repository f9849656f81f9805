#include "VellmorView.h"

#include <algorithm>
#include <iostream>

#include "AlarmDlg.h"
#include "AlarmFields.h"
#include "ClockFonts.h"
#include "ClockSurface.h"
#include "DesktopNotifier.h"
#include "EmbeddedImage.h"
#include "MenuCommands.h"
#include "ModalRun.h"
#include "PanelIndicator.h"
#include "SessionStart.h"
#include "SettingsDlg.h"
#include "SettingsFields.h"
#include "SoundPlayer.h"
#include "TokiAlarmFields.h"
#include "TokiAlarmListDlg.h"
#include "TokiChartData.h"
#include "TokiInfoDlg.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/stdpaths.h>
#include <wx/timer.h>
#include <wx/utils.h>
#include <wx/window.h>

wxIMPLEMENT_DYNAMIC_CLASS(CVellmorView, wxView);

// The timer table has a slot for every id by itself; this stops the build
// when an id is added, so that whoever adds it also looks at OnTimerEvent.
static_assert(kTimerCount == kJoyaTimer - kBaseTimer + 1, "a timer id was added");

namespace {

// The empty form the clock stands on, in dialog units of its 9-point font.
constexpr int kFormWidthDu = 87;
constexpr int kFormHeightDu = 101;
// The pictures need at least this much room (face 180 x 200).
constexpr int kMinClientWidth = 180;
constexpr int kMinClientHeight = 200;

// Runs a dialog that edits a copy of fields; OK puts the copy back.
template <class Dialog, class Fields>
bool RunFieldsDialog(wxWindow* owner, Fields& fields)
{
    Dialog dialog(owner);
    dialog.fields = fields;
    if (dialog.ShowModal() != wxID_OK) {
        return false;
    }
    fields = dialog.fields;
    return true;
}

const char* PictureFile(ClockPicture picture)
{
    switch (picture) {
    case ClockPicture::Face:
        return "face.png";
    case ClockPicture::Bell:
        return "bell.png";
    case ClockPicture::Branch:
        return "branch.png";
    case ClockPicture::Toki:
        return "toki.png";
    }
    return "";
}

}  // namespace

CVellmorView::CVellmorView() = default;

CVellmorView::~CVellmorView() = default;

bool CVellmorView::OnCreate(wxDocument* doc, long flags)
{
    if (!wxView::OnCreate(doc, flags)) {
        return false;
    }
    wxFrame* frame = wxDynamicCast(wxTheApp->GetTopWindow(), wxFrame);
    if (!frame) {
        return false;
    }
    SetFrame(frame);
    controller = std::make_unique<ClockController>(*this);
    sound = std::make_unique<SoundPlayer>();
    sound->SetSearchFolders(
        DefaultSoundFolders(wxStandardPaths::Get().GetExecutablePath().utf8_string()));

    // No window or menu item of the clock has an update-UI handler; sending
    // those events to all of them at every idle (after each tick) is wasted.
    wxUpdateUIEvent::SetMode(wxUPDATE_UI_PROCESS_SPECIFIED);
    CreateCanvas();
    Bind(wxEVT_TIMER, &CVellmorView::OnTimerEvent, this);
    for (ClockCommand command : {ClockCommand::Strike, ClockCommand::Settings, ClockCommand::Alarm,
                                 ClockCommand::TokiInfo, ClockCommand::StopJoya,
                                 ClockCommand::TokiAlarms}) {
        Bind(wxEVT_MENU, &CVellmorView::OnMenuCommand, this, MenuIdOf(command));
    }

    GetFrame()->Bind(wxEVT_SHOW, &CVellmorView::OnFrameShown, this);
    ClockSettings settings;
    settings.Load();
    controller->InitialUpdate(settings);
    LoadPictures();
    CreateFonts();
    FitFrameToForm();
    Activate(true);
    Invalidate();
    return true;
}

void CVellmorView::CreateCanvas()
{
    canvas = new wxWindow(GetFrame(), wxID_ANY);  // owned by the frame
    canvas->SetBackgroundStyle(wxBG_STYLE_PAINT);
    canvas->SetBackgroundColour(*wxWHITE);
    // The canvas covers the frame's whole client area. Erasing the frame
    // under it at every repaint is wasted, and costly: GTK looks the theme's
    // colours up each time.
    GetFrame()->SetBackgroundStyle(wxBG_STYLE_PAINT);
    canvas->SetFont(wxFont(wxFontInfo(9).FaceName(JapaneseGothicFace())));
    canvas->Bind(wxEVT_PAINT, &CVellmorView::OnPaint, this);
    canvas->Bind(wxEVT_LEFT_DCLICK, &CVellmorView::OnDoubleClick, this);
    surface = std::make_unique<ClockSurface>(canvas);
    controller->SetLineHeight(canvas->GetCharHeight());
}

void CVellmorView::LoadPictures()
{
    // At a scale of 2 each picture is its version drawn at twice the size,
    // marked as such: it takes the same logical pixels as the 1x one, and
    // DrawPicture's coordinates stay logical.
    for (ClockPicture p : {ClockPicture::Face, ClockPicture::Bell, ClockPicture::Branch,
                           ClockPicture::Toki}) {
        pictures[p] = LoadEmbeddedPicture(PictureFile(p), canvas->GetContentScaleFactor());
    }
}

void CVellmorView::CreateFonts()
{
    wxWindow* window = canvas;
    surface->SetFont(ClockFont::Large,
                     [window] { return MakeCellHeightFont(window, SerifFace(), 24, 700, true); });
    surface->SetFont(ClockFont::Medium,
                     [window] { return MakeCellHeightFont(window, SerifFace(), 16, 700, false); });
    surface->SetFont(ClockFont::Small, [window] {
        return MakeCellHeightFont(window, JapaneseGothicFace(), 12, 500, false);
    });
}

void CVellmorView::FitFrameToForm()
{
    const wxSize form = canvas->ConvertDialogToPixels(wxSize(kFormWidthDu, kFormHeightDu));
    const wxSize client(std::max(form.x, kMinClientWidth), std::max(form.y, kMinClientHeight));
    surface->Create(client);
    GetFrame()->SetClientSize(client);
    canvas->SetSize(client);
}

void CVellmorView::OnChangeFilename()
{
    if (wxWindow* frame = GetFrame()) {
        frame->SetLabel(wxTheApp->GetAppDisplayName());
    }
}

bool CVellmorView::OnClose(bool deleteWindow)
{
    if (!wxView::OnClose(deleteWindow)) {
        return false;
    }
    timers.StopAll();
    if (sound) {
        sound->Stop();
    }
    notifier.reset();  // with the window it belongs to
    panel.reset();
    GetFrame()->Unbind(wxEVT_SHOW, &CVellmorView::OnFrameShown, this);
    const WriteOutcome saved = SaveSettings();
    if (!saved && saveFailureAtClose) {
        saveFailureAtClose(controller->Settings().iniPath, saved.reason);
    }
    Activate(false);
    return true;
}

WriteOutcome CVellmorView::SaveSettings() const
{
    if (!controller) {
        return WriteOutcome::Success();  // no clock: nothing to keep
    }
    return controller->SaveSettings();
}

bool CVellmorView::StartTimer(int id, int periodMs)
{
    if (id == kBaseTimer && periodMs == kBaseTimerPeriodMs) {
        // In step with the wall clock's second from the first firing on.
        return ArmBaseTick(FirstTickArming(controller->Clock().MicrosecondOfSecond()));
    }
    return timers.Start(id, periodMs);
}

bool CVellmorView::ArmBaseTick(const TickArming& arming)
{
    switch (arming.kind) {
    case TickArming::Once:
        return timers.StartOnce(kBaseTimer, arming.ms);
    case TickArming::Repeat:
        return timers.Start(kBaseTimer, arming.ms);
    case TickArming::Keep:
        break;
    }
    return true;
}

void CVellmorView::StopTimer(int id)
{
    timers.Stop(id);
}

void CVellmorView::OnTimerEvent(wxTimerEvent& event)
{
    const int id = event.GetId();
    if (!timers.Has(id)) {
        return;
    }
    // The tick runs four times a second: nothing here touches the heap.
    const LiveTimers::Firing firing(timers, id);
    if (id == kBaseTimer) {
        // Before the tick reads the clock, so that the tick never sees an
        // older second than the schedule did, and a box raised by the tick
        // finds the timer running.
        ArmBaseTick(TickArmingAfterFiring(controller->Clock().MicrosecondOfSecond(),
                                          timers.IsRunning(kBaseTimer)));
    }
    controller->OnTimer(id);
    if (id == kBaseTimer) {
        sound->ReleaseDeviceWhenIdle();
    }
}

void CVellmorView::PlaySound(const std::string& name, SoundMode mode)
{
    if (mode == SoundMode::Loop) {
        sound->PlayLooping(name);
    } else {
        sound->PlayYielding(name);
    }
}

void CVellmorView::StopSound()
{
    sound->Stop();
}

void CVellmorView::ShowMessage(const std::string& text, const std::string& caption,
                               MessageIcon icon)
{
    const long style = wxOK | (icon == MessageIcon::Exclamation ? wxICON_EXCLAMATION : wxICON_NONE);
    // The timers keep firing behind the box. Told to close while the box
    // waits (the program is asked to end), the box ends as if OK was pressed
    // and the close follows once the caller is done with it.
    ShowMessageBox(canvas, wxString::FromUTF8(text), wxString::FromUTF8(caption), style);
}

AlarmBoxAnswer CVellmorView::ShowAlarmBox(const std::string& text, const std::string& caption)
{
    const int answer = ShowTwoButtonBox(canvas, wxString::FromUTF8(text),
                                        wxString::FromUTF8(caption), "OK",
                                        wxString::FromUTF8("スヌーズ(&S)"));
    return answer == 1 ? AlarmBoxAnswer::Snooze : AlarmBoxAnswer::Ok;
}

void CVellmorView::ShowNotification(const std::string& summary, const std::string& body)
{
    if (!notifier) {
        notifier = std::make_unique<DesktopNotifier>(GetFrame());
    }
    notifier->Show(summary, body);
}

void CVellmorView::ShowPanelStatus(const PanelStatus& status)
{
    if (!status.shown) {
        if (panel) {
            panel.reset();
            // Without the item the window is the clock's only way back.
            GetFrame()->Show(true);
        }
        return;
    }
    if (!panel) {
        CreatePanelItem();
        if (!panel->PanelTookItem()) {
            if (!panelAbsenceTold) {
                std::cerr << "vellmor: no panel shows the clock (" << panel->Absence()
                          << "); the window stays as without the indicator" << std::endl;
                panelAbsenceTold = true;
            }
            panel.reset();  // a later boundary offers the item again
            return;
        }
    }
    panel->Show(status.text, status.toki);
}

void CVellmorView::CreatePanelItem()
{
    const bool windowShown = GetFrame()->IsShown();
    const std::vector<PanelMenuEntry> menu = {
        {kShowHideMenuId, windowShown ? "時計を隠す" : "時計を表示"},
        {0, ""},
        {MenuIdOf(ClockCommand::Strike), "鐘をつく"},
        {MenuIdOf(ClockCommand::Settings), "設定"},
        {MenuIdOf(ClockCommand::Alarm), "アラーム"},
        {MenuIdOf(ClockCommand::TokiAlarms), "刻のアラーム"},
        {MenuIdOf(ClockCommand::TokiInfo), "ときの情報"},
        {0, ""},
        {MenuIdOf(ClockCommand::Exit), "終了"},
    };
    wxWindow* frame = GetFrame();
    panel = std::make_unique<PanelIndicator>(menu, [frame](int id) {
        // Queued: a dialog it opens runs after the panel's call is answered.
        frame->GetEventHandler()->QueueEvent(new wxCommandEvent(wxEVT_MENU, id));
    });
}

void CVellmorView::OnFrameShown(wxShowEvent& event)
{
    if (panel) {
        panel->SetEntryText(kShowHideMenuId, event.IsShown() ? "時計を隠す" : "時計を表示");
    }
    event.Skip();
}

bool CVellmorView::InPanel() const
{
    return panel != nullptr;
}

bool CVellmorView::StartsWithSession() const
{
    return SessionStartsProgram();
}

WriteOutcome CVellmorView::SetStartsWithSession(bool on)
{
    WriteOutcome outcome = SetSessionStartsProgram(on);
    if (!outcome) {
        outcome.reason = SessionStartPlace() + "\n" + outcome.reason;
    }
    return outcome;
}

bool CVellmorView::RunSettingsDialog(SettingsFields& fields)
{
    return RunFieldsDialog<CSettingsDlg>(GetFrame(), fields);
}

bool CVellmorView::RunAlarmDialog(AlarmFields& fields)
{
    return RunFieldsDialog<CAlarmDlg>(GetFrame(), fields);
}

bool CVellmorView::RunTokiAlarmDialog(TokiAlarmListFields& fields)
{
    return RunFieldsDialog<CTokiAlarmListDlg>(GetFrame(), fields);
}

void CVellmorView::RunTokiInfoDialog(const TokiChartData& chart)
{
    CTokiInfoDlg dialog(GetFrame());
    dialog.data = chart;
    dialog.ShowModal();
}

wxMenu* CVellmorView::FirstPopup() const
{
    wxFrame* frame = wxDynamicCast(GetFrame(), wxFrame);
    wxMenuBar* bar = frame ? frame->GetMenuBar() : nullptr;
    return bar && bar->GetMenuCount() > 0 ? bar->GetMenu(0) : nullptr;
}

void CVellmorView::InsertMenuCommand(int position, ClockCommand command, const std::string& text)
{
    if (wxMenu* menu = FirstPopup()) {
        menu->Insert(static_cast<size_t>(position), MenuIdOf(command), wxString::FromUTF8(text));
    }
}

void CVellmorView::InsertMenuSeparator(int position)
{
    if (wxMenu* menu = FirstPopup()) {
        menu->InsertSeparator(static_cast<size_t>(position));
    }
}

void CVellmorView::RemoveMenuItemById(ClockCommand command)
{
    wxMenu* menu = FirstPopup();
    if (menu && menu->FindItem(MenuIdOf(command))) {
        menu->Destroy(MenuIdOf(command));
    }
}

void CVellmorView::RemoveMenuItemAt(int position)
{
    wxMenu* menu = FirstPopup();
    if (menu && static_cast<size_t>(position) < menu->GetMenuItemCount()) {
        menu->Destroy(menu->FindItemByPosition(static_cast<size_t>(position)));
    }
}

void CVellmorView::DrawPicture(ClockPicture picture, int srcX, int srcY, int width, int height,
                               int x, int y)
{
    surface->DrawPicture(pictures[picture], wxRect(srcX, srcY, width, height), wxPoint(x, y));
}

void CVellmorView::DrawText(const std::string& text, int x, int y, ClockFont font,
                            Rgb background)
{
    const TextStyle style{font, background};
    // The large font is the time's, drawn once a second.
    if (font == ClockFont::Large) {
        surface->CopyTime(text, wxPoint(x, y), style);
    } else {
        surface->DrawText(text, wxPoint(x, y), style);
    }
}

const wxBitmap& CVellmorView::BackingStore()
{
    return surface->Bitmap();
}

void CVellmorView::Invalidate()
{
    if (surface) {
        surface->Invalidate();
    }
}

bool CVellmorView::IsShiftDown() const
{
    return wxGetKeyState(WXK_SHIFT);
}

void CVellmorView::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(canvas);
    surface->PaintTo(dc, [this] { controller->FullPaint(); });
}

void CVellmorView::OnDoubleClick(wxMouseEvent& event)
{
    controller->OnDoubleClick();
    event.Skip();
}

void CVellmorView::OnMenuCommand(wxCommandEvent& event)
{
    if (const auto command = CommandOfMenuId(event.GetId())) {
        controller->OnCommand(*command);
    }
}
