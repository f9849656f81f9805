// A frame with a PNG picture, a menu bar loaded from XRC and a timer: the
// pieces of wxMSW the clock relies on, statically linked. With
// --exit-after=SECONDS it closes itself and exits 0 when all of them worked,
// printing what it saw on standard output.
#include <wx/wx.h>
#include <wx/mstream.h>
#include <wx/xml/xml.h>
#include <wx/xrc/xmlres.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

const char kMenuXrc[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<resource xmlns="http://www.wxwidgets.org/wxxrc" version="2.5.3.0">
  <object class="wxMenuBar" name="smoke_menubar">
    <object class="wxMenu" name="file_menu">
      <label>&amp;File</label>
      <object class="wxMenuItem" name="wxID_EXIT"><label>E&amp;xit</label></object>
    </object>
  </object>
</resource>)";

bool LoadMenuXrc()
{
    wxXmlResource::Get()->InitAllHandlers();
    wxMemoryInputStream stream(kMenuXrc, std::strlen(kMenuXrc));
    auto doc = std::make_unique<wxXmlDocument>(stream);
    if (!doc->IsOk()) {
        return false;
    }
    return wxXmlResource::Get()->LoadDocument(doc.release(), "smoke.xrc");
}

class SmokeFrame : public wxFrame {
public:
    // code receives 0 when everything worked, once the frame closes itself.
    SmokeFrame(long seconds, int& code)
        : wxFrame(nullptr, wxID_ANY, "Vellmor smoke", wxPoint(20, 20), wxSize(360, 260)),
          exitAfterSeconds(seconds), exitCode(code)
    {
        menuBar = wxXmlResource::Get()->LoadMenuBar("smoke_menubar");
        if (menuBar != nullptr) {
            SetMenuBar(menuBar);
        }
        bitmap = wxBITMAP_PNG(vellmor);
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(new wxStaticBitmap(this, wxID_ANY, bitmap), 0, wxALL | wxALIGN_CENTER, 8);
        ticks = new wxStaticText(this, wxID_ANY, "ticks: 0");
        sizer->Add(ticks, 0, wxALL | wxALIGN_CENTER, 8);
        SetSizer(sizer);
        SetBackgroundColour(*wxWHITE);

        Bind(wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, wxID_EXIT);
        Bind(wxEVT_TIMER, &SmokeFrame::OnTick, this);
        timer.SetOwner(this);
        timer.Start(250);  // ms
    }

    bool Healthy() const
    {
        return menuBar != nullptr && bitmap.IsOk() && tickCount > 0;
    }

    void Report() const
    {
        std::printf("menubar %s, bitmap %dx%d, ticks %d\n", menuBar != nullptr ? "loaded" : "missing",
                    bitmap.IsOk() ? bitmap.GetWidth() : 0, bitmap.IsOk() ? bitmap.GetHeight() : 0,
                    tickCount);
        std::fflush(stdout);
    }

private:
    void OnTick(wxTimerEvent&)
    {
        ++tickCount;
        ticks->SetLabel(wxString::Format("ticks: %d", tickCount));
        if (tickCount == 2) {
            SetTitle("Vellmor smoke ready");  // painted by now: a screenshot may be taken
        }
        if (exitAfterSeconds > 0 && tickCount * 250 >= exitAfterSeconds * 1000) {
            timer.Stop();
            Report();
            exitCode = Healthy() ? 0 : 2;
            Close();
        }
    }

    long exitAfterSeconds;
    int& exitCode;
    wxMenuBar* menuBar = nullptr;
    wxBitmap bitmap;
    wxStaticText* ticks = nullptr;
    wxTimer timer;
    int tickCount = 0;
};

class SmokeApp : public wxApp {
public:
    bool OnInit() override
    {
        wxImage::AddHandler(new wxPNGHandler);
        long exitAfter = 0;
        for (int i = 1; i < argc; ++i) {
            if (argv[i].StartsWith("--exit-after=")) {
                argv[i].AfterFirst('=').ToLong(&exitAfter);
            }
        }
        if (!LoadMenuXrc()) {
            std::printf("XRC did not load\n");
            return false;
        }
        auto* frame = new SmokeFrame(exitAfter, exitCode);  // owned by wx: destroyed on close
        frame->Show();
        return true;
    }

    int OnRun() override
    {
        const int loopCode = wxApp::OnRun();
        return loopCode != 0 ? loopCode : exitCode;
    }

private:
    int exitCode = 1;  // until the frame has seen everything work
};

}  // namespace

wxIMPLEMENT_APP(SmokeApp);
