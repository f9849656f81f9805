#include "EmbeddedImage.h"

#include "EmbeddedResources.h"

#include <wx/image.h>
#include <wx/mstream.h>

wxBitmap LoadEmbeddedPng(const char* name)
{
    const EmbeddedResource png = FindEmbeddedResource(name);
    if (!png) {
        return wxBitmap();
    }
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) {
        wxImage::AddHandler(new wxPNGHandler);  // owned by wxImage's handler list
    }
    wxMemoryInputStream stream(png.data, png.size);
    wxImage image(stream, wxBITMAP_TYPE_PNG);
    return image.IsOk() ? wxBitmap(image) : wxBitmap();
}

wxIconBundle LoadAppIcons()
{
    wxIconBundle icons;
    for (const char* name : {"vellmor-32.png", "vellmor-48.png"}) {
        const wxBitmap bitmap = LoadEmbeddedPng(name);
        if (bitmap.IsOk()) {
            wxIcon icon;
            icon.CopyFromBitmap(bitmap);
            icons.AddIcon(icon);
        }
    }
    return icons;
}
