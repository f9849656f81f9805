#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>

// A PNG built into the program, by bare file name; an invalid bitmap if absent.
wxBitmap LoadEmbeddedPng(const char* name);

// The program's icon at the sizes built in.
wxIconBundle LoadAppIcons();
