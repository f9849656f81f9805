#include "VellmorDoc.h"

#include <wx/file.h>

wxIMPLEMENT_DYNAMIC_CLASS(CVellmorDoc, wxDocument);

bool CVellmorDoc::DoOpenDocument(const wxString& file)
{
    return wxFile::Access(file, wxFile::read);
}
