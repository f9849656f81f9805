#include "DialogResources.h"

#include "CompactControls.h"
#include "EmbeddedResources.h"

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/mstream.h>
#include <wx/xml/xml.h>
#include <wx/xrc/xmlres.h>

#include <memory>

const char* const kNoChoiceRadioName = "vellmor-no-choice";

namespace {

// The template files, by their bare names in the embedded resources.
const char* const kTemplateFiles[] = {"settings.xrc", "location.xrc", "alarm.xrc",
                                      "tokiinfo.xrc", "about.xrc", "tokialarm.xrc"};

bool IsRadio(const wxXmlNode* node)
{
    return node->GetType() == wxXML_ELEMENT_NODE && node->GetName() == "object" &&
           node->GetAttribute("class") == "wxRadioButton";
}

bool StartsRadioGroup(const wxXmlNode* node)
{
    for (const wxXmlNode* child = node->GetChildren(); child; child = child->GetNext()) {
        if (child->GetName() == "style" && child->GetNodeContent().Contains("wxRB_GROUP")) {
            return true;
        }
    }
    return false;
}

void AppendChildElement(wxXmlNode* parent, const wxString& name, const wxString& content)
{
    auto* element = new wxXmlNode(parent, wxXML_ELEMENT_NODE, name);  // owned by parent
    new wxXmlNode(element, wxXML_TEXT_NODE, wxString(), content);     // owned by element
}

// Inserts the hidden "none checked" member after the last radio button of
// the group that ends here.
void CloseRadioGroup(wxXmlNode* dialogNode, wxXmlNode* lastRadio)
{
    auto* hidden = new wxXmlNode(wxXML_ELEMENT_NODE, "object");  // owned by dialogNode below
    hidden->AddAttribute("class", "wxRadioButton");
    hidden->AddAttribute("name", kNoChoiceRadioName);
    AppendChildElement(hidden, "label", wxString());
    AppendChildElement(hidden, "hidden", "1");
    dialogNode->InsertChildAfter(hidden, lastRadio);
}

void AddNoChoiceRadios(wxXmlNode* dialogNode)
{
    wxXmlNode* lastRadio = nullptr;
    for (wxXmlNode* child = dialogNode->GetChildren(); child; child = child->GetNext()) {
        if (!IsRadio(child)) {
            continue;
        }
        if (StartsRadioGroup(child) && lastRadio) {
            CloseRadioGroup(dialogNode, lastRadio);
        }
        lastRadio = child;
    }
    if (lastRadio) {
        CloseRadioGroup(dialogNode, lastRadio);
    }
}

bool LoadTemplateFile(const char* file)
{
    const EmbeddedResource bytes = FindEmbeddedResource(file);
    if (!bytes) {
        return false;
    }
    wxMemoryInputStream stream(bytes.data, bytes.size);
    auto document = std::make_unique<wxXmlDocument>();
    if (!document->Load(stream) || !document->GetRoot()) {
        return false;
    }
    for (wxXmlNode* node = document->GetRoot()->GetChildren(); node; node = node->GetNext()) {
        if (node->GetType() == wxXML_ELEMENT_NODE && node->GetAttribute("class") == "wxDialog") {
            AddNoChoiceRadios(node);
        }
    }
    return wxXmlResource::Get()->LoadDocument(document.release(), file);  // takes ownership
}

const wxXmlNode* FindParam(const wxXmlNode* node, const wxString& name)
{
    for (const wxXmlNode* child = node->GetChildren(); child; child = child->GetNext()) {
        if (child->GetType() == wxXML_ELEMENT_NODE && child->GetName() == name) {
            return child;
        }
    }
    return nullptr;
}

bool ReadDialogUnitParam(const wxXmlNode* node, const wxString& name, wxPoint& out)
{
    const wxXmlNode* param = FindParam(node, name);
    return param && ParseDialogUnitPair(param->GetNodeContent(), out);
}

}  // namespace

bool ParseDialogUnitPair(const wxString& text, wxPoint& out)
{
    wxString pair = text;
    pair.Trim(true).Trim(false);
    if (!pair.EndsWith("d", &pair)) {
        return false;
    }
    long x = 0;
    long y = 0;
    if (!pair.BeforeFirst(',').ToLong(&x) || !pair.AfterFirst(',').ToLong(&y)) {
        return false;
    }
    out = wxPoint(static_cast<int>(x), static_cast<int>(y));
    return true;
}

bool LoadDialogResources()
{
    static bool loaded = false;
    if (loaded) {
        return true;
    }
    wxXmlResource::Get()->InitAllHandlers();
    bool ok = true;
    for (const char* file : kTemplateFiles) {
        ok = LoadTemplateFile(file) && ok;
    }
    loaded = ok;
    return ok;
}

bool LoadDialogTemplate(wxDialog& dialog, wxWindow* owner, const wxString& name)
{
    if (!owner) {
        owner = wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
    }
    if (!LoadDialogResources() || !wxXmlResource::Get()->LoadDialog(&dialog, owner, name)) {
        return false;
    }
    const wxXmlNode* node = wxXmlResource::Get()->GetResourceNode(name);
    if (!node) {
        return false;
    }
    CompactNativeControls(dialog);
    WidenClippedTexts(dialog);
    // The resource loader converts the dialog's own size before it has set
    // the dialog's font; convert again with the font in place.
    wxPoint size;
    if (ReadDialogUnitParam(node, "size", size)) {
        dialog.SetClientSize(dialog.ConvertDialogToPixels(wxSize(size.x, size.y)));
    }
    wxPoint offset;
    if (!ReadDialogUnitParam(node, "pos", offset)) {
        offset = wxPoint(0, 0);
    }
    if (offset == wxPoint(0, 0) || !owner) {
        dialog.CentreOnParent();
    } else {
        dialog.Move(owner->ClientToScreen(wxPoint(0, 0)) + dialog.ConvertDialogToPixels(offset));
    }
    return true;
}
