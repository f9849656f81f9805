#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

// One line of the item's menu: the owner's id and its text (UTF-8, no
// mnemonic). An entry with id 0 is a separator.
struct PanelMenuEntry {
    int id = 0;
    std::string text;
};

// The clock's item in the desktop's panel: the current toki's branch sign,
// a line of text, and a menu. On Linux a StatusNotifierItem, shown by any
// panel that runs a StatusNotifierWatcher; on Windows an icon in the
// notification area. Lives on the toolkit's thread.
class PanelIndicator {
public:
    // Told the id of a menu entry the user chose. Runs from the toolkit's
    // loop; the owner may defer the work.
    using MenuHandler = std::function<void(int id)>;

    // Offers the item to the panel, if there is one (PanelTookItem). Where
    // none is, nothing of it shows anywhere: no stand-in icon of an older
    // kind is made.
    PanelIndicator(const std::vector<PanelMenuEntry>& menu, MenuHandler onMenu);
    ~PanelIndicator();
    PanelIndicator(const PanelIndicator&) = delete;
    PanelIndicator& operator=(const PanelIndicator&) = delete;

    // Whether a panel took the item when it was made.
    bool PanelTookItem() const;
    // Why none did, in a few words for the user; empty when one did.
    std::string Absence() const;

    // The sign of toki (0..23; a half toki shows its toki's sign) and the
    // text: the title, the tooltip where the system has one, and the label
    // where the panel shows labels.
    void Show(const std::string& text, int toki);
    // Changes the text of the menu entry with that id.
    void SetEntryText(int id, const std::string& text);

private:
    struct Native;
    std::unique_ptr<Native> native;
};
