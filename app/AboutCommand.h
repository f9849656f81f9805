#pragma once

class wxWindow;

// Shows the about box modally over parent.
void ShowAboutBox(wxWindow* parent);
