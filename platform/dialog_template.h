#pragma once
// Dialog templates as data: a window's caption, size in dialog units, font and controls.
#include "platform/types.h"

#include <map>
#include <string>
#include <vector>

enum class ControlKind {
    PushButton,
    DefPushButton,
    CheckBox,
    RadioButton,
    GroupBox,
    Static,
    StaticIcon,   // text holds nothing; resource names the icon
    StaticBitmap, // resource names the bitmap
    Edit,
    UpDown,
    ComboBox,
    TabControl,
    Progress,
};

struct ControlTemplate {
    int id = -1; // -1 for controls the program never addresses
    ControlKind kind = ControlKind::Static;
    std::string text;
    int x = 0, y = 0, cx = 0, cy = 0; // dialog units
    DWORD style = 0;                  // WS_VISIBLE is implied unless kHidden is set
    int resource = 0;                 // icon or bitmap id
    bool hidden = false;
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    int x = 0, y = 0, cx = 0, cy = 0; // dialog units; x, y place child pages
    std::string font = "MS Sans Serif";
    int pointSize = 8;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::vector<ControlTemplate> controls;
    std::vector<std::string> comboItems; // initial items of the template's combo box
};

struct MenuItemTemplate {
    UINT id = 0; // 0 is a separator
    std::string text;
};

// Everything the program ships as resources; the layer looks things up here by id.
struct ResourceTable {
    std::map<int, DialogTemplate> dialogs;
    std::map<int, std::string> strings;
    std::map<int, std::vector<std::vector<MenuItemTemplate>>> menus; // menu id -> popup submenus
};
