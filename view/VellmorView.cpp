#include "VellmorView.h"

#include <algorithm>

#include "AlarmDlg.h"
#include "AlarmFields.h"
#include "ClockFonts.h"
#include "DesktopNotifier.h"
#include "EmbeddedImage.h"
#include "MenuIds.h"
#include "ModalRun.h"
#include "SettingsDlg.h"
#include "SettingsFields.h"
#include "SoundPlayer.h"
#include "TokiAlarmFields.h"
#include "TokiAlarmListDlg.h"
#include "TokiChartData.h"
#include "TokiInfoDlg.h"
#include "X11TextBlitter.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
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

wxColour ToColour(Rgb c)
{
    return wxColour(c.red, c.green, c.blue);
}

// Black text on an opaque background cell, as every text of the clock is drawn.
void PaintText(wxDC& dc, const wxFont& font, Rgb background, const wxString& text, int x, int y)
{
    dc.SetFont(font);
    dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
    dc.SetTextBackground(ToColour(background));
    dc.SetTextForeground(*wxBLACK);
    dc.DrawText(text, x, y);
}

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
    controller_ = std::make_unique<ClockController>(*this);
    sound_ = std::make_unique<SoundPlayer>();
    sound_->SetSearchFolders(
        DefaultSoundFolders(wxStandardPaths::Get().GetExecutablePath().utf8_string()));

    // No window or menu item of the clock has an update-UI handler; sending
    // those events to all of them at every idle (after each tick) is wasted.
    wxUpdateUIEvent::SetMode(wxUPDATE_UI_PROCESS_SPECIFIED);
    CreateCanvas();
    Bind(wxEVT_TIMER, &CVellmorView::OnTimerEvent, this);
    for (int id : {kCmdStrike, kCmdSettings, kCmdAlarm, kCmdTokiInfo, kCmdStopJoya, kCmdTokiAlarms}) {
        Bind(wxEVT_MENU, &CVellmorView::OnMenuCommand, this, ToMenuId(id));
    }

    ClockSettings settings;
    settings.Load();
    controller_->InitialUpdate(settings);
    LoadPictures();
    CreateFonts();
    FitFrameToForm();
    Activate(true);
    Invalidate();
    return true;
}

void CVellmorView::CreateCanvas()
{
    canvas_ = new wxWindow(GetFrame(), wxID_ANY);  // owned by the frame
    canvas_->SetBackgroundStyle(wxBG_STYLE_PAINT);
    canvas_->SetBackgroundColour(*wxWHITE);
    // The canvas covers the frame's whole client area. Erasing the frame
    // under it at every repaint is wasted, and costly: GTK looks the theme's
    // colours up each time.
    GetFrame()->SetBackgroundStyle(wxBG_STYLE_PAINT);
    canvas_->SetFont(wxFont(wxFontInfo(9).FaceName(JapaneseGothicFace())));
    canvas_->Bind(wxEVT_PAINT, &CVellmorView::OnPaint, this);
    canvas_->Bind(wxEVT_LEFT_DCLICK, &CVellmorView::OnDoubleClick, this);
    blitter_ = std::make_unique<X11TextBlitter>(canvas_);
    controller_->SetLineHeight(canvas_->GetCharHeight());
}

void CVellmorView::LoadPictures()
{
    // At a scale of 2 each picture is its version drawn at twice the size,
    // marked as such: it takes the same logical pixels as the 1x one, and
    // DrawPicture's coordinates stay logical.
    for (ClockPicture p : {ClockPicture::Face, ClockPicture::Bell, ClockPicture::Branch,
                           ClockPicture::Toki}) {
        pictures_[p] = LoadEmbeddedPicture(PictureFile(p), canvas_->GetContentScaleFactor());
    }
}

void CVellmorView::CreateFonts()
{
    const wxString serif = SerifFace();
    fonts_[ClockFont::Large] = MakeCellHeightFont(canvas_, serif, 24, 700, true);
    fonts_[ClockFont::Medium] = MakeCellHeightFont(canvas_, serif, 16, 700, false);
    fonts_[ClockFont::Small] = MakeCellHeightFont(canvas_, JapaneseGothicFace(), 12, 500, false);
    wxClientDC dc(canvas_);
    for (const auto& font : fonts_) {
        dc.SetFont(font.second);
        textHeights_[font.first] = dc.GetCharHeight();
    }
}

void CVellmorView::FitFrameToForm()
{
    const wxSize form = canvas_->ConvertDialogToPixels(wxSize(kFormWidthDu, kFormHeightDu));
    const wxSize client(std::max(form.x, kMinClientWidth), std::max(form.y, kMinClientHeight));
    // The backing store has as many pixels as the window shows, so that at a
    // scale of 2 pictures and text keep their detail; it is drawn in logical
    // pixels all the same.
    backing_.CreateWithDIPSize(client, canvas_->GetContentScaleFactor());
    {
        wxMemoryDC dc(backing_);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
    }
    GetFrame()->SetClientSize(client);
    canvas_->SetSize(client);
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
    timers_.StopAll();
    if (sound_) {
        sound_->Stop();
    }
    notifier_.reset();  // with the window it belongs to
    SaveSettings();
    Activate(false);
    return true;
}

void CVellmorView::SaveSettings() const
{
    if (controller_) {
        controller_->Settings().Save();
    }
}

bool CVellmorView::StartTimer(int id, int periodMs)
{
    if (id == kBaseTimer && periodMs == kBaseTimerPeriodMs) {
        // In step with the wall clock's second from the first firing on.
        return ArmBaseTick(FirstTickArming(SystemClock()->MicrosecondOfSecond()));
    }
    return timers_.Start(id, periodMs);
}

bool CVellmorView::ArmBaseTick(const TickArming& arming)
{
    switch (arming.kind) {
    case TickArming::Once:
        return timers_.StartOnce(kBaseTimer, arming.ms);
    case TickArming::Repeat:
        return timers_.Start(kBaseTimer, arming.ms);
    case TickArming::Keep:
        break;
    }
    return true;
}

void CVellmorView::StopTimer(int id)
{
    timers_.Stop(id);
}

void CVellmorView::OnTimerEvent(wxTimerEvent& event)
{
    const int id = event.GetId();
    if (!timers_.Has(id)) {
        return;
    }
    // The tick runs four times a second: nothing here touches the heap.
    const LiveTimers::Firing firing(timers_, id);
    if (id == kBaseTimer) {
        // Before the tick reads the clock, so that the tick never sees an
        // older second than the schedule did, and a box raised by the tick
        // finds the timer running.
        ArmBaseTick(TickArmingAfterFiring(SystemClock()->MicrosecondOfSecond(),
                                          timers_.IsRunning(kBaseTimer)));
    }
    controller_->OnTimer(id);
    if (id == kBaseTimer) {
        sound_->ReleaseDeviceWhenIdle();
    }
}

void CVellmorView::PlaySound(const std::string& name, SoundMode mode)
{
    if (mode == SoundMode::Loop) {
        sound_->PlayLooping(name);
    } else {
        sound_->PlayYielding(name);
    }
}

void CVellmorView::StopSound()
{
    sound_->Stop();
}

void CVellmorView::ShowMessage(const std::string& text, const std::string& caption,
                               MessageIcon icon)
{
    const long style = wxOK | (icon == MessageIcon::Exclamation ? wxICON_EXCLAMATION : wxICON_NONE);
    // The timers keep firing behind the box. Told to close while the box
    // waits (the program is asked to end), the box ends as if OK was pressed
    // and the close follows once the caller is done with it.
    ShowMessageBox(canvas_, wxString::FromUTF8(text), wxString::FromUTF8(caption), style);
}

AlarmBoxAnswer CVellmorView::ShowAlarmBox(const std::string& text, const std::string& caption)
{
    const int answer = ShowTwoButtonBox(canvas_, wxString::FromUTF8(text),
                                        wxString::FromUTF8(caption), "OK",
                                        wxString::FromUTF8("スヌーズ(&S)"));
    return answer == 1 ? AlarmBoxAnswer::Snooze : AlarmBoxAnswer::Ok;
}

void CVellmorView::ShowNotification(const std::string& summary, const std::string& body)
{
    if (!notifier_) {
        notifier_ = std::make_unique<DesktopNotifier>(GetFrame());
    }
    notifier_->Show(summary, body);
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

void CVellmorView::InsertMenuCommand(int position, int commandId, const std::string& text)
{
    if (wxMenu* menu = FirstPopup()) {
        menu->Insert(static_cast<size_t>(position), ToMenuId(commandId), wxString::FromUTF8(text));
    }
}

void CVellmorView::InsertMenuSeparator(int position)
{
    if (wxMenu* menu = FirstPopup()) {
        menu->InsertSeparator(static_cast<size_t>(position));
    }
}

void CVellmorView::RemoveMenuItemById(int commandId)
{
    wxMenu* menu = FirstPopup();
    if (menu && menu->FindItem(ToMenuId(commandId))) {
        menu->Destroy(ToMenuId(commandId));
    }
}

void CVellmorView::RemoveMenuItemAt(int position)
{
    wxMenu* menu = FirstPopup();
    if (menu && static_cast<size_t>(position) < menu->GetMenuItemCount()) {
        menu->Destroy(menu->FindItemByPosition(static_cast<size_t>(position)));
    }
}

void CVellmorView::RefreshArea(const wxRect& area)
{
    if (!painting_ && canvas_) {
        canvas_->RefreshRect(area, false);
    }
}

void CVellmorView::DrawPicture(ClockPicture picture, int srcX, int srcY, int width, int height,
                               int x, int y)
{
    const wxBitmap& source = pictures_[picture];
    if (!source.IsOk() || !backing_.IsOk()) {
        return;
    }
    CatchUpStraightText();  // what was drawn first stays below
    wxMemoryDC from(const_cast<wxBitmap&>(source));
    wxMemoryDC to(backing_);
    to.Blit(x, y, width, height, &from, srcX, srcY);
    RefreshArea(wxRect(x, y, width, height));
}

void CVellmorView::DrawText(const std::string& text, int x, int y, ClockFont font,
                            Rgb background)
{
    if (!backing_.IsOk()) {
        return;
    }
    // The large font is the time's, drawn once a second.
    if (font == ClockFont::Large && !painting_ && DrawTextStraight(text, x, y, font, background)) {
        return;
    }
    CatchUpStraightText();
    DrawTextToBacking(text, x, y, font, background);
    // Measuring the text would lay it out a second time; the rest of the
    // line is refreshed instead.
    RefreshArea(wxRect(x, y, backing_.GetLogicalWidth() - x, textHeights_[font]));
}

void CVellmorView::DrawTextToBacking(const std::string& text, int x, int y, ClockFont font,
                                     Rgb background)
{
    wxMemoryDC to(backing_);
    PaintText(to, fonts_[font], background, wxString::FromUTF8(text), x, y);
}

bool CVellmorView::DrawTextStraight(const std::string& text, int x, int y, ClockFont font,
                                    Rgb background)
{
    if (!blitter_) {
        return false;
    }
    if (straight_.pending && (x != straight_.x || y != straight_.y || font != straight_.font)) {
        CatchUpStraightText();  // another place: the one before must not be lost
    }
    const auto render = [this, font, background](const wxString& str) {
        X11TextBlitter::Rendering rendering;
        wxMemoryDC measure(backing_);
        measure.SetFont(fonts_[font]);
        const wxSize size = measure.GetTextExtent(str);
        measure.GetPartialTextExtents(str, rendering.extents);
        measure.SelectObject(wxNullBitmap);
        if (size.x <= 0 || size.y <= 0) {
            return rendering;
        }
        rendering.bitmap = wxBitmap(size);
        wxMemoryDC to(rendering.bitmap);
        PaintText(to, fonts_[font], background, str, 0, 0);
        return rendering;
    };
    const int style = static_cast<int>(font) << 24 | background.red << 16 |
                      background.green << 8 | background.blue;
    if (!blitter_->Draw(text, x, y, style, render)) {
        return false;
    }
    straight_.pending = true;
    straight_.text = text;
    straight_.x = x;
    straight_.y = y;
    straight_.font = font;
    straight_.background = background;
    return true;
}

void CVellmorView::CatchUpStraightText()
{
    if (straight_.pending) {
        straight_.pending = false;
        DrawTextToBacking(straight_.text, straight_.x, straight_.y, straight_.font,
                          straight_.background);
    }
}

const wxBitmap& CVellmorView::BackingStore()
{
    CatchUpStraightText();
    return backing_;
}

void CVellmorView::Invalidate()
{
    fullPaintPending_ = true;
    if (canvas_) {
        canvas_->Refresh(true);
    }
}

bool CVellmorView::IsShiftDown() const
{
    return wxGetKeyState(WXK_SHIFT);
}

void CVellmorView::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(canvas_);
    if (fullPaintPending_ && backing_.IsOk()) {
        fullPaintPending_ = false;
        straight_.pending = false;  // wiped with the rest; the next tick draws the time
        {
            wxMemoryDC clear(backing_);
            clear.SetBackground(*wxWHITE_BRUSH);
            clear.Clear();
        }
        painting_ = true;
        controller_->FullPaint();
        painting_ = false;
    }
    CatchUpStraightText();
    if (backing_.IsOk()) {
        dc.DrawBitmap(backing_, 0, 0);
    }
}

void CVellmorView::OnDoubleClick(wxMouseEvent& event)
{
    controller_->OnDoubleClick();
    event.Skip();
}

void CVellmorView::OnMenuCommand(wxCommandEvent& event)
{
    controller_->OnCommand(FromMenuId(event.GetId()));
}
