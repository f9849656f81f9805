#include "EmbeddedImage.h"

#include "EmbeddedResources.h"

#include <wx/image.h>
#include <wx/math.h>
#include <wx/mstream.h>

#include <string>

namespace {

// "face.png" -> "face@2x.png"
std::string DoubleSizeName(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name + "@2x" : name.substr(0, dot) + "@2x" + name.substr(dot);
}

}  // namespace

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

wxBitmapBundle LoadEmbeddedBundle(const char* name)
{
    const wxBitmap single = LoadEmbeddedPng(name);
    if (!single.IsOk()) {
        return wxBitmapBundle();
    }
    const wxBitmap twice = LoadEmbeddedPng(DoubleSizeName(name).c_str());
    if (!twice.IsOk() || twice.GetSize() != single.GetSize() * 2) {
        return wxBitmapBundle::FromBitmap(single);
    }
    return wxBitmapBundle::FromBitmaps(single, twice);
}

wxBitmap LoadEmbeddedPicture(const char* name, double scale)
{
    if (scale == 1.0) {
        return LoadEmbeddedPng(name);  // the 2x version is not even decoded
    }
    const wxBitmapBundle bundle = LoadEmbeddedBundle(name);
    if (!bundle.IsOk()) {
        return wxBitmap();
    }
    const wxSize single = bundle.GetDefaultSize();
    return bundle.GetBitmap(wxSize(wxRound(single.x * scale), wxRound(single.y * scale)));
}

wxIconBundle LoadAppIcons()
{
    wxIconBundle icons;
    for (const char* name : {"vellmor-32.png", "vellmor-32@2x.png", "vellmor-48.png",
                             "vellmor-48@2x.png"}) {
        const wxBitmap bitmap = LoadEmbeddedPng(name);
        if (bitmap.IsOk()) {
            wxIcon icon;
            icon.CopyFromBitmap(bitmap);
            icons.AddIcon(icon);
        }
    }
    return icons;
}
