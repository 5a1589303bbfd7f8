#include "engine/editor_resource.h"

#include <zeledit/win_messages.h>
#include <zeledit/win_user.h>

#include <memory>
#include <string>
#include <vector>

namespace zeledit::engine {
namespace {

std::unique_ptr<TEditorResource>& shared() {
    static std::unique_ptr<TEditorResource>& resource = *new std::unique_ptr<TEditorResource>;
    return resource;
}

// One line of a menu: an item (command, Vietnamese and English captions), a separator, or a
// submenu whose lines follow up to its end.
struct Line {
    enum Kind : std::uint8_t { Item, Separator, Submenu, End } kind;
    UINT command = 0;
    const char16_t* vi = nullptr;
    const char16_t* en = nullptr;
};

constexpr Line Sep{Line::Separator};
constexpr Line EndSub{Line::End};
constexpr Line item(UINT c, const char16_t* vi, const char16_t* en) { return {Line::Item, c, vi, en}; }
constexpr Line submenu(const char16_t* vi, const char16_t* en) { return {Line::Submenu, 0, vi, en}; }

const Line Copy = item(24321, u"Copy", u"Copy"), Cut = item(24320, u"Cắt", u"Cut"),
           Delete = item(24323, u"Xóa\tDel", u"Delete\tDel"), Paste = item(24322, u"Dán", u"Paste"),
           Clear = item(24324, u"Xóa hết", u"Clear"), SelectAll = item(24325, u"Chọn tất cả", u"Select all"),
           Find = item(134, u"Tìm...", u"Find..."), Replace = item(135, u"Thay thế...", u"Replace..."),
           Customize = item(139, u"Tùy biến...", u"Customize..."),
           Review = item(1006, u"Xem lại các định dạng...", u"Review formats...");

const std::vector<Line>& format_submenu() {
    static const std::vector<Line> lines{submenu(u"Định dạng", u"Format"),
                                         item(1001, u"Font chữ...", u"Font..."),
                                         item(1002, u"Đoạn...", u"Paragraph..."),
                                         item(1003, u"Vị trí tabs...", u"Tabs..."),
                                         item(1004, u"Khung...", u"Borders..."),
                                         item(1005, u"Hoa thị...", u"Bullet..."),
                                         Sep,
                                         Review,
                                         EndSub};
    return lines;
}

// The Vietnamese list puts Image after JPEG picture; the English one second.
std::vector<Line> insert_submenu(bool english) {
    const Line caption = item(1012, u"Chữ đầu đoạn...", u"Caption..."),
               image = item(1026, u"Hình không nền...", u"Image..."),
               bmp = item(1009, u"Hình BMP...", u"BMP bitmap..."),
               jpeg = item(1011, u"Hình JPEG...", u"JPEG picture...");
    std::vector<Line> lines{submenu(u"Chèn đối tượng", u"Insert object"), caption};
    if (english)
        lines.insert(lines.end(), {image, bmp, jpeg});
    else
        lines.insert(lines.end(), {bmp, jpeg, image});
    lines.insert(lines.end(),
                 {item(1023, u"Hình vector...", u"Vector image..."),
                  item(1024, u"Đối tượng vẽ...", u"Drawing object..."),
                  item(1010, u"Hình động...", u"Animation..."), item(1025, u"Hộp chữ...", u"Textbox..."),
                  item(1014, u"Âm thanh...", u"Sound..."), EndSub});
    return lines;
}

std::vector<Line> lines_of(TQuickMenu kind, bool english) {
    const auto with = [](std::vector<Line> a, const std::vector<Line>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const Line FormatFont = item(1001, u"Định dạng chữ...", u"Format font..."),
               FormatPara = item(1002, u"Định dạng đoạn...", u"Format paragraph...");
    switch (kind) {
    case TQuickMenu::EditSel:
        return with(
            with({Copy, Cut, Delete, Sep, Clear, SelectAll, Sep, Find, Replace, Sep}, format_submenu()),
            {Sep, Customize});
    case TQuickMenu::NoSel:
        return with(
            with(with({Paste, Clear, SelectAll, Sep}, insert_submenu(english)), {Sep, Find, Replace, Sep}),
            with(format_submenu(), {Sep, Customize}));
    case TQuickMenu::NoFormatSel:
        return {Copy,    Cut, Delete,     Sep,        Clear, SelectAll, Sep, Find,
                Replace, Sep, FormatFont, FormatPara, Sep,   Review,    Sep, Customize};
    case TQuickMenu::NoFormat:
        return with(with({Paste, Clear, SelectAll, Sep, Find, Replace, Sep}, insert_submenu(english)),
                    {FormatFont, FormatPara, Sep, Review, Sep, Customize});
    case TQuickMenu::ObjSel:
        return {Paste, Clear,   SelectAll, Sep,
                Find,  Replace, Sep,       item(138, u"Thuộc tính đối tượng...", u"Object attributes...")};
    case TQuickMenu::NoModify: return {Copy, SelectAll, Sep, Find};
    case TQuickMenu::Floated:
        return {item(1021, u"Copy", u"Copy"),
                item(1020, u"Xóa", u"Delete"),
                item(1022, u"Cắt", u"Cut"),
                Sep,
                submenu(u"Sắp xếp", u"Arrange"),
                item(1018, u"Đưa lên một nấc", u"Move up"),
                item(1019, u"Đưa xuống một nấc", u"Move down"),
                item(1017, u"Đưa lên trên cùng", u"Move to front"),
                item(1016, u"Đưa xuống dưới cùng", u"Move to back"),
                EndSub,
                Sep,
                item(138, u"Đặc tính...", u"Attributes...")};
    }
    return {};
}

HMENU build(const std::vector<Line>& lines, bool english) {
    std::vector<HMENU> open{CreatePopupMenu()};
    std::vector<const Line*> headings;
    for (const Line& l : lines) {
        switch (l.kind) {
        case Line::Item: AppendMenuW(open.back(), MF_STRING, l.command, english ? l.en : l.vi); break;
        case Line::Separator: AppendMenuW(open.back(), MF_SEPARATOR, 0, nullptr); break;
        case Line::Submenu:
            open.push_back(CreatePopupMenu());
            headings.push_back(&l);
            break;
        case Line::End: {
            const HMENU sub = open.back();
            open.pop_back();
            AppendMenuW(open.back(), MF_POPUP, reinterpret_cast<UINT_PTR>(sub),
                        english ? headings.back()->en : headings.back()->vi);
            headings.pop_back();
            break;
        }
        }
    }
    return open.front();
}

bool is_editing(std::size_t kind) { return kind <= static_cast<std::size_t>(TQuickMenu::NoFormat); }

} // namespace

TEditorResource::TEditorResource() {
    for (std::uint8_t language = 0; language < 2; ++language)
        for (std::size_t k = 0; k < QuickMenuCount; ++k) {
            FMenus[language][k] = build(lines_of(static_cast<TQuickMenu>(k), language == 1), language == 1);
            if (k == static_cast<std::size_t>(TQuickMenu::Floated))
                SetMenuDefaultItem(FMenus[language][k], 138, FALSE);
        }
}

TEditorResource::~TEditorResource() {
    for (const auto& set : FMenus)
        for (HMENU m : set) DestroyMenu(m);
}

HMENU TEditorResource::Menu(TQuickMenu kind, std::uint8_t language) const {
    return FMenus[language == 1 ? 1 : 0][static_cast<std::size_t>(kind)];
}

void TEditorResource::AddCustomizedMenu(std::u16string_view caption, UINT command, int place) {
    const std::u16string text(caption);
    const UINT target = static_cast<UINT>(place < 0 ? -static_cast<std::int64_t>(place) : place);
    for (const auto& set : FMenus)
        for (std::size_t k = 0; k < QuickMenuCount; ++k) {
            if (!is_editing(k)) continue;
            const TMenuPlace at = GetItemCommand(set[k], target);
            if (at.menu == nullptr)
                AppendMenuW(set[k], MF_STRING, command, text.c_str());
            else
                InsertMenuW(at.menu, static_cast<UINT>(place < 0 ? at.position : at.position + 1),
                            MF_BYPOSITION | MF_STRING, command, text.c_str());
        }
}

TMenuPlace GetItemCommand(HMENU menu, UINT command) {
    const int n = GetMenuItemCount(menu);
    for (int i = 0; i < n; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            if (const TMenuPlace p = GetItemCommand(sub, command); p.menu != nullptr) return p;
        } else if (GetMenuItemID(menu, i) == command &&
                   (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) == 0) {
            return {menu, i};
        }
    }
    return {};
}

void SetItemShortcut(HMENU menu, UINT command, std::u16string_view shortcut) {
    const int n = GetMenuItemCount(menu);
    for (int i = 0; i < n; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            SetItemShortcut(sub, command, shortcut);
            continue;
        }
        if (GetMenuItemID(menu, i) != command) continue;
        WCHAR text[256];
        GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
        std::u16string caption(text);
        caption = caption.substr(0, caption.find(u'\t'));
        if (!shortcut.empty()) caption += u'\t' + std::u16string(shortcut);
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = caption.data();
        SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    }
}

std::u16string ShortcutText(std::uint16_t shortcut) {
    const auto vk = static_cast<std::uint8_t>(shortcut & 0xFF);
    if (vk == 0) return {};
    std::u16string text;
    if (shortcut & 0x2000) text += u"Shift+";
    if (shortcut & 0x4000) text += u"Ctrl+";
    if (shortcut & 0x8000) text += u"Alt+";
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return text + char16_t(vk);
    if (vk >= VK_F1 && vk <= VK_F1 + 23) {
        const std::string n = std::to_string(vk - VK_F1 + 1);
        return text + u"F" + std::u16string(n.begin(), n.end());
    }
    switch (vk) {
    case VK_DELETE: return text + u"Del";
    case VK_INSERT: return text + u"Ins";
    case VK_BACK: return text + u"Backspace";
    case VK_RETURN: return text + u"Enter";
    case VK_ESCAPE: return text + u"Esc";
    case VK_SPACE: return text + u"Space";
    case VK_TAB: return text + u"Tab";
    case VK_HOME: return text + u"Home";
    case VK_END: return text + u"End";
    case VK_PRIOR: return text + u"PgUp";
    case VK_NEXT: return text + u"PgDn";
    case VK_LEFT: return text + u"Left";
    case VK_RIGHT: return text + u"Right";
    case VK_UP: return text + u"Up";
    case VK_DOWN: return text + u"Down";
    default: {
        static constexpr char16_t hex[] = u"0123456789ABCDEF";
        return text + u"#" + hex[vk >> 4] + hex[vk & 15];
    }
    }
}

TEditorResource* SharedEditorResource() { return shared().get(); }
void CreateSharedEditorResource() {
    if (!shared()) shared() = std::make_unique<TEditorResource>();
}
void DestroySharedEditorResource() { shared().reset(); }

} // namespace zeledit::engine
