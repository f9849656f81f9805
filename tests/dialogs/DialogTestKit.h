#pragma once

// Helpers for scripting our dialogs under a real (virtual) display with wx's
// own testing hooks (wx/testing.h).

#include "GuiSettle.h"

#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/frame.h>
#include <wx/msgdlg.h>
#include <wx/generic/msgdlgg.h>
#include <wx/radiobut.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

#include <functional>
#include <string>
#include <vector>

// A frame standing in for the main window: the top window, owner of every
// dialog opened without one. Its client area's top left corner is where
// dialogs are placed from.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    wxFrame* owner = nullptr;  // destroyed in TearDown
};

// The control with id inside window, of the given type; fails the test if
// there is none.
template <class Control>
Control& Get(wxWindow& window, int id)
{
    auto* control = wxDynamicCast(window.FindWindow(id), Control);
    if (!control) {
        ADD_FAILURE() << "no control " << id;
        throw std::runtime_error("missing control");
    }
    return *control;
}

inline wxTextCtrl& Edit(wxWindow& dialog, int id) { return Get<wxTextCtrl>(dialog, id); }
std::string EditText(wxWindow& dialog, int id);
// Replaces an edit's text as the program does (no typing events).
void SetEditText(wxWindow& dialog, int id, const std::string& text);
// Types text at the edit's insertion point, replacing its selection, as a
// keyboard or a paste does: the edit reports the change.
void TypeInto(wxTextCtrl& edit, const std::string& text);

// A click on a button, a check box or a radio button: the control changes
// as a click changes it and tells the dialog.
void ClickButton(wxWindow& dialog, int id);
void ClickCheckBox(wxWindow& dialog, int id);
void ClickRadio(wxWindow& dialog, int id);

// Whether the edit has the focus with its whole text selected.
::testing::AssertionResult FocusedWithAllSelected(wxTextCtrl& edit);

// Expects a message box (ShowMessageBox): its text, the caption "Vellmor",
// the exclamation icon and a single OK button. Answers OK.
class ExpectMessage : public wxExpectModalBase<wxGenericMessageDialog, ExpectMessage> {
public:
    // shown, if given, counts the boxes answered.
    explicit ExpectMessage(std::string text, int* shown = nullptr)
        : expectedText(std::move(text)), answered(shown)
    {
    }

protected:
    int OnInvoked(wxGenericMessageDialog* box) const override;

private:
    std::string expectedText;
    int* answered;
};

// Expects one of our dialogs to be run modally. Shows it modelessly instead
// (it opens as a modal run opens it), runs script on it, and returns what
// the dialog ended with: the code it finished with, or Cancel when the
// script left it open.
template <class Dialog>
class ExpectDialog : public wxExpectModalBase<Dialog, ExpectDialog<Dialog>> {
public:
    explicit ExpectDialog(std::function<void(Dialog&)> steps) : script(std::move(steps)) {}

protected:
    int OnInvoked(Dialog* dialog) const override
    {
        dialog->Show();
        Settle();
        script(*dialog);
        Settle();
        if (dialog->IsShown()) {
            dialog->Hide();
            return wxID_CANCEL;
        }
        return dialog->GetReturnCode();
    }

private:
    std::function<void(Dialog&)> script;
};
