#include "ClockWindowFixture.h"

#include "GuiSettle.h"
#include "VellmorDoc.h"
#include "VellmorDocManager.h"

#include <wx/app.h>

void ClockWindowFixture::SetUp()
{
    manager_ = std::make_unique<VellmorDocManager>();
    // The template belongs to the manager.
    new wxDocTemplate(manager_.get(), "Vellmor", "*.*", "", "", "Vellmor Document",
                      "Vellmor View", wxCLASSINFO(CVellmorDoc), wxCLASSINFO(CVellmorView));
    frame_ = new CMainFrame(manager_.get(), "Vellmor");
    wxTheApp->SetTopWindow(frame_);
    ASSERT_NE(manager_->CreateNewDocument(), nullptr);
    view_ = wxDynamicCast(manager_->GetCurrentView(), CVellmorView);
    ASSERT_NE(view_, nullptr);
    frame_->Show();
    Settle();
}

void ClockWindowFixture::TearDown()
{
    manager_->CloseDocuments(true);
    frame_->Destroy();
    Settle();
    manager_.reset();
}
