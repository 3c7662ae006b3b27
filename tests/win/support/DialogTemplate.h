// Reads a dialog template from this program's resources, as stored, in
// either the classic or the extended form.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct TemplateItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    DWORD helpId = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    std::string className; // predefined classes by name: "Button", "Edit", "Static"...
    std::string text;      // an ordinal text (an icon) reads "#<number>"
};

struct DialogTemplate {
    bool extended = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    DWORD helpId = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string menu, windowClass, caption;
    WORD pointSize = 0, weight = 0;
    BYTE italic = 0, charset = 0;
    std::string typeface;
    std::vector<TemplateItem> items;
};

// Empty `items` and zero size when the template is missing.
DialogTemplate LoadDialogTemplate(int id);
