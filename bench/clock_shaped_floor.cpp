// The benchmarks' floor in the clock's shape: what any wxWidgets program
// built like the clock window costs at rest. A frame with a menu bar of two
// menus, a child window that fills the client area (painted in the clock's
// face blue), and a 250 ms timer that does nothing. Everything the clock
// does beyond this is its own cost.
#include <wx/wx.h>

namespace {

const wxColour kFaceBlue(26, 38, 104);
constexpr int kTickMs = 250;

class Canvas : public wxWindow {
public:
    explicit Canvas(wxWindow* parent) : wxWindow(parent, wxID_ANY)
    {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT, &Canvas::OnPaint, this);
        timer.Bind(wxEVT_TIMER, [](wxTimerEvent&) {});
        timer.Start(kTickMs);
    }

private:
    void OnPaint(wxPaintEvent&)
    {
        wxPaintDC dc(this);
        dc.SetBrush(wxBrush(kFaceBlue));
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.DrawRectangle(GetClientRect());
    }

    wxTimer timer;
};

// Two menus with as many items as the clock's.
wxMenuBar* MakeMenuBar()
{
    auto* file = new wxMenu;  // owned by the bar
    for (const char* item : {"&Strike", "S&ettings", "&Alarm", "&Information"}) {
        file->Append(wxID_ANY, item);
    }
    file->AppendSeparator();
    file->Append(wxID_EXIT, "E&xit");
    auto* help = new wxMenu;
    help->Append(wxID_HELP, "&Help");
    help->AppendSeparator();
    help->Append(wxID_ABOUT, "&About...");
    auto* bar = new wxMenuBar;  // owned by the frame
    bar->Append(file, "&File");
    bar->Append(help, "&Help");
    return bar;
}

}  // namespace

class ClockShapedFloorApp : public wxApp {
public:
    bool OnInit() override
    {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "Floor");  // owned by wx
        frame->SetMenuBar(MakeMenuBar());
        frame->SetBackgroundStyle(wxBG_STYLE_PAINT);  // the canvas covers it
        new Canvas(frame);  // owned by the frame
        frame->SetClientSize(180, 200);
        frame->Show();
        return true;
    }
};

wxIMPLEMENT_APP(ClockShapedFloorApp);
