#include "VellmorDoc.h"

#include "FileSystem.h"

wxIMPLEMENT_DYNAMIC_CLASS(CVellmorDoc, wxDocument);

bool CVellmorDoc::CanOpen(const wxString& file)
{
    return CanOpenFileForReading(file.utf8_string());
}

bool CVellmorDoc::DoOpenDocument(const wxString& file)
{
    return CanOpen(file);
}
