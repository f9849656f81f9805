#include "MainFrame.h"

#include "ClockPlatform.h"
#include "EmbeddedImage.h"
#include "MenuCommands.h"
#include "ModalRun.h"
#include "VellmorView.h"

#include <wx/menu.h>

long MainFrameStyle()
{
    return wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER | wxMINIMIZE_BOX;
}

CMainFrame::CMainFrame(wxDocManager* manager, const wxString& title)
    : wxDocParentFrame(manager, nullptr, wxID_ANY, title, wxDefaultPosition, wxDefaultSize,
                       MainFrameStyle())
{
    SetIcons(LoadAppIcons());
    SetMenuBar(CreateClockMenuBar());
    // The stop item exists only while a New Year's Eve sequence runs; the
    // view inserts it at the top of the first pop-up when one starts.
    GetMenuBar()->GetMenu(0)->Destroy(MenuIdOf(ClockCommand::StopJoya));

    Bind(wxEVT_MENU, &CMainFrame::OnExit, this, MenuIdOf(ClockCommand::Exit));
    Bind(wxEVT_MENU, &CMainFrame::OnHelp, this, MenuIdOf(ClockCommand::Help));
    Bind(wxEVT_MAXIMIZE, &CMainFrame::OnMaximize, this);
    Bind(wxEVT_MENU, &CMainFrame::OnShowHide, this, kShowHideMenuId);
    Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnCloseRequest, this);
}

wxMenuBar* CMainFrame::CreateClockMenuBar()
{
    auto* file = new wxMenu;  // owned by the menu bar
    file->Append(MenuIdOf(ClockCommand::StopJoya), wxString::FromUTF8(kStopJoyaItemText));
    file->Append(MenuIdOf(ClockCommand::Strike), wxString::FromUTF8("鐘をつく(&D)"));
    file->Append(MenuIdOf(ClockCommand::Settings), wxString::FromUTF8("設定(&S)"));
    file->Append(MenuIdOf(ClockCommand::Alarm), wxString::FromUTF8("アラーム(&L)"),
                 wxString::FromUTF8("アラームの時刻と Ｏｎ/Ｏｆｆ を設定します。"));
    file->Append(MenuIdOf(ClockCommand::TokiAlarms), wxString::FromUTF8(kTokiAlarmsItemText),
                 wxString::FromUTF8("刻に合わせて鳴るアラームを設定します。"));
    file->Append(MenuIdOf(ClockCommand::TokiInfo), wxString::FromUTF8("ときの情報(&I)"));
    file->AppendSeparator();
    file->Append(MenuIdOf(ClockCommand::Exit), wxString::FromUTF8("終了(&X)"),
                 wxString::FromUTF8("Vellmorを終了します。"));

    auto* help = new wxMenu;  // owned by the menu bar
    help->Append(MenuIdOf(ClockCommand::Help), wxString::FromUTF8("ヘルプ(&H)"));
    help->AppendSeparator();
    help->Append(MenuIdOf(ClockCommand::About), wxString::FromUTF8("ﾊﾞｰｼﾞｮﾝ情報(&A)..."));

    auto* bar = new wxMenuBar;  // handed to the frame by SetMenuBar
    bar->Append(file, wxString::FromUTF8("ﾌｧｲﾙ(&F)"));
    bar->Append(help, wxString::FromUTF8("ﾍﾙﾌﾟ(&H)"));
    return bar;
}

void CMainFrame::OnExit(wxCommandEvent&)
{
    exiting = true;
    Close();
}

void CMainFrame::Raise()
{
    if (!raisesHeld) {
        wxDocParentFrame::Raise();
    }
}

void CMainFrame::OnShowHide(wxCommandEvent&)
{
    if (IsShown() && !IsIconized()) {
        Hide();
        return;
    }
    Iconize(false);
    Show(true);
    Raise();
}

void CMainFrame::OnCloseRequest(wxCloseEvent& event)
{
    if (event.CanVeto() && !exiting && InPanel()) {
        Hide();
        event.Veto();
        return;
    }
    event.Skip();  // the document frame closes the views, which save
}

bool CMainFrame::InPanel() const
{
    const auto* view = dynamic_cast<CVellmorView*>(GetDocumentManager()->GetCurrentView());
    return view && view->InPanel();
}

void CMainFrame::OnHelp(wxCommandEvent&)
{
    // There is no help viewer for the old help-file format here; a short
    // summary of the menu stands in for it.
    ShowMessageBox(this,
                   wxString::FromUTF8(
                       "鐘をつく: 鐘を 1 回つきます（Shift を押しながらで除夜の鐘）。\n"
                       "設定: 鐘の間隔と回数、十二支の表示、現在地を設定します。\n"
                       "アラーム: アラームの時刻と On/Off を設定します。\n"
                       "刻のアラーム: 暮六つの 15 分前のように、刻に合わせて鳴るアラームを設定します。\n"
                       "ときの情報: 今日の不定時法の刻を表示します。\n"
                       "鐘の絵をダブルクリックすると鐘が止まります。"),
                   "Vellmor", wxOK | wxICON_INFORMATION);
}

void CMainFrame::OnMaximize(wxMaximizeEvent&)
{
    // Window managers may still offer maximising; the clock keeps its size.
    CallAfter([this] { Maximize(false); });
}
