#pragma once

// The clock's main window with its document and view, opened as the program
// opens it, on the display; closed and destroyed after each test.

#include "MainFrame.h"
#include "VellmorView.h"

#include <gtest/gtest.h>

#include <wx/docview.h>

#include <memory>

class ClockWindowFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<wxDocManager> manager;
    CMainFrame* frame = nullptr;  // destroyed in TearDown
    CVellmorView* view = nullptr;
};
