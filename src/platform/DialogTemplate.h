#pragma once

#include <string>
#include <vector>

namespace sonnavet {

// Identifier of controls that have none of their own (labels, group boxes).
constexpr int kStaticId = -1;

enum class ControlKind {
    GroupBox,
    PushButton,
    DefaultPushButton,
    StaticText,
    CentredStaticText,
    EtchedFrame,
    Icon,
    ListBox,
    Trackbar,
    CheckBox,
    RadioButton,
    DropDownList,
};

// One control of a dialog template, position and size in dialog units.
struct ControlTemplate {
    int id = kStaticId;
    ControlKind kind = ControlKind::StaticText;
    std::string text;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool tabStop = false;
    bool autoTicks = false;   // trackbars: tick marks at every step of the range
    bool noPrefix = false;    // static text: '&' is shown, not a mnemonic
    int iconId = 0;           // icon controls: the icon resource
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    int width = 0;            // dialog units
    int height = 0;
    int menuId = 0;           // 0 = no menu
    bool minimizeBox = false;
    bool appWindow = false;   // has a taskbar button of its own
    std::vector<ControlTemplate> controls;  // template order = tab order

    const ControlTemplate* Find(int controlId) const
    {
        for (const auto& c : controls)
            if (c.id == controlId && c.id != kStaticId) return &c;
        return nullptr;
    }
};

struct MenuItemTemplate {
    std::string text;   // empty text = separator
    int commandId = 0;
};

struct PopupMenuTemplate {
    std::string text;
    std::vector<MenuItemTemplate> items;
};

struct MenuTemplate {
    int id = 0;
    std::vector<PopupMenuTemplate> popups;
};

}  // namespace sonnavet
