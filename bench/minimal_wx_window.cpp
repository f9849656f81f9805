// The benchmarks' peer: the least a wxWidgets program shows, a frame whose
// client area is painted in one colour (the dark blue of the clock's face,
// which the start-up measurement watches for). Two variants show what the
// toolkit costs for the clock's kind of work:
//   --timer MS   a timer that does nothing;
//   --clock      a 250 ms timer that draws the time when its second changes.
#include <wx/datetime.h>
#include <wx/wx.h>

namespace {

const wxColour kFaceBlue(26, 38, 104);
const wxRect kTimeArea(50, 38, 130, 28);

class Canvas : public wxWindow {
public:
    explicit Canvas(wxWindow* parent) : wxWindow(parent, wxID_ANY)
    {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT, &Canvas::OnPaint, this);
    }

    void StartTimer(int ms, bool drawTime)
    {
        showTime = drawTime;
        font = wxFont(wxFontInfo(18).FaceName("Liberation Serif").Bold().Italic());
        timer.Bind(wxEVT_TIMER, &Canvas::OnTimer, this);
        timer.Start(ms);
    }

private:
    void OnPaint(wxPaintEvent&)
    {
        wxPaintDC dc(this);
        dc.SetBrush(wxBrush(kFaceBlue));
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.DrawRectangle(GetClientRect());
        if (!shownTime.empty()) {
            dc.SetFont(font);
            dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
            dc.SetTextBackground(*wxWHITE);
            dc.DrawText(shownTime, kTimeArea.GetTopLeft());
        }
    }

    void OnTimer(wxTimerEvent&)
    {
        if (!showTime) {
            return;
        }
        const wxString now = wxDateTime::Now().Format("%H:%M:%S ");
        if (now != shownTime) {
            shownTime = now;
            RefreshRect(kTimeArea, false);
        }
    }

    wxTimer timer;
    bool showTime = false;
    wxFont font;
    wxString shownTime;
};

}  // namespace

class MinimalApp : public wxApp {
public:
    bool OnInit() override
    {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "Minimal");
        auto* canvas = new Canvas(frame);
        frame->SetClientSize(180, 200);
        frame->Show();
        long ms = 0;
        if (argc == 2 && wxString(argv[1]) == "--clock") {
            canvas->StartTimer(250, true);
        } else if (argc == 3 && wxString(argv[1]) == "--timer" && wxString(argv[2]).ToLong(&ms)) {
            canvas->StartTimer(static_cast<int>(ms), false);
        }
        return true;
    }
};

wxIMPLEMENT_APP(MinimalApp);
