#pragma once

#include <wx/bitmap.h>
#include <wx/bmpbndl.h>
#include <wx/iconbndl.h>

// A PNG built into the program, by bare file name; an invalid bitmap if absent.
wxBitmap LoadEmbeddedPng(const char* name);

// A picture built into the program at each scale it was drawn at: name
// ("face.png") and, for screens at a scale of 2, the same picture at twice
// the size ("face@2x.png") when that is built in too. Empty if name is absent.
wxBitmapBundle LoadEmbeddedBundle(const char* name);

// The picture name for a window whose pixels are scale times its logical
// pixels (wxWindow::GetContentScaleFactor): the version drawn for that scale,
// marked with it, so that it covers as many logical pixels as the 1x picture.
wxBitmap LoadEmbeddedPicture(const char* name, double scale);

// The program's icon at the sizes built in, each also at twice its size.
wxIconBundle LoadAppIcons();
