#include "DialogTemplate.h"

namespace {

class Reader {
public:
    explicit Reader(const BYTE* data) : m_start(data), m_p(data) {}
    WORD Word() {
        WORD value;
        memcpy(&value, m_p, 2);
        m_p += 2;
        return value;
    }
    DWORD Dword() {
        DWORD value;
        memcpy(&value, m_p, 4);
        m_p += 4;
        return value;
    }
    BYTE Byte() { return *m_p++; }
    short Short() { return static_cast<short>(Word()); }
    std::string String() {
        std::string text;
        for (WORD c = Word(); c != 0; c = Word())
            text += c < 0x80 ? static_cast<char>(c) : '?';
        return text;
    }
    // A string, or an ordinal introduced by 0xFFFF.
    std::string StringOrOrdinal(bool classNames) {
        WORD first;
        memcpy(&first, m_p, 2);
        if (first == 0xFFFF) {
            m_p += 2;
            const WORD ordinal = Word();
            if (classNames) {
                static const char* const kClasses[] = {"Button",  "Edit",      "Static",
                                                       "ListBox", "ScrollBar", "ComboBox"};
                if (ordinal >= 0x80 && ordinal <= 0x85)
                    return kClasses[ordinal - 0x80];
            }
            return "#" + std::to_string(ordinal);
        }
        return String();
    }
    void AlignDword() {
        while ((m_p - m_start) % 4)
            ++m_p;
    }
    void Skip(size_t bytes) { m_p += bytes; }

private:
    const BYTE* m_start;
    const BYTE* m_p;
};

} // namespace

DialogTemplate LoadDialogTemplate(int id) {
    DialogTemplate result;
    HRSRC resource = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
    if (!resource)
        return result;
    Reader r(static_cast<const BYTE*>(LockResource(LoadResource(nullptr, resource))));

    const WORD version = r.Word();
    const WORD signature = r.Word();
    result.extended = version == 1 && signature == 0xFFFF;
    WORD count;
    if (result.extended) {
        result.helpId = r.Dword();
        result.exStyle = r.Dword();
        result.style = r.Dword();
    } else {
        result.style = MAKELONG(version, signature);
        result.exStyle = r.Dword();
    }
    count = r.Word();
    result.x = r.Short();
    result.y = r.Short();
    result.cx = r.Short();
    result.cy = r.Short();
    result.menu = r.StringOrOrdinal(false);
    result.windowClass = r.StringOrOrdinal(false);
    result.caption = r.String();
    if (result.style & DS_SETFONT) {
        result.pointSize = r.Word();
        if (result.extended) {
            result.weight = r.Word();
            result.italic = r.Byte();
            result.charset = r.Byte();
        }
        result.typeface = r.String();
    }
    for (WORD i = 0; i < count; ++i) {
        r.AlignDword();
        TemplateItem item;
        if (result.extended) {
            item.helpId = r.Dword();
            item.exStyle = r.Dword();
            item.style = r.Dword();
        } else {
            item.style = r.Dword();
            item.exStyle = r.Dword();
        }
        item.x = r.Short();
        item.y = r.Short();
        item.cx = r.Short();
        item.cy = r.Short();
        item.id = result.extended ? static_cast<int>(r.Dword()) : static_cast<short>(r.Word());
        item.className = r.StringOrOrdinal(true);
        item.text = r.StringOrOrdinal(false);
        r.Skip(r.Word());
        result.items.push_back(item);
    }
    return result;
}
