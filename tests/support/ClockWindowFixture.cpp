#include "ClockWindowFixture.h"

#include "GuiSettle.h"
#include "VellmorDoc.h"
#include "VellmorDocManager.h"

#include <wx/app.h>

void ClockWindowFixture::SetUp()
{
    manager = std::make_unique<VellmorDocManager>();
    // The template belongs to the manager.
    new wxDocTemplate(manager.get(), "Vellmor", "*.*", "", "", "Vellmor Document",
                      "Vellmor View", wxCLASSINFO(CVellmorDoc), wxCLASSINFO(CVellmorView));
    frame = new CMainFrame(manager.get(), "Vellmor");
    wxTheApp->SetTopWindow(frame);
    ASSERT_NE(manager->CreateNewDocument(), nullptr);
    view = wxDynamicCast(manager->GetCurrentView(), CVellmorView);
    ASSERT_NE(view, nullptr);
    frame->Show();
    Settle();
}

void ClockWindowFixture::TearDown()
{
    manager->CloseDocuments(true);
    frame->Destroy();
    Settle();
    manager.reset();
}
