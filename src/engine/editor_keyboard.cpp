#include "engine/editor_keyboard.h"

#include "engine/format_editor.h"
#include "engine/prompts.h"
#include "platform/core/byte_reader.h"
#include "storage/document_file.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace zeledit::engine {
namespace {

constexpr char Signature[] = "Zentravia Editor Keyboard";
constexpr std::uint32_t FileMagic = 65088;
constexpr std::uint16_t FileEntries = 88;
constexpr std::size_t HeaderSize = 34;
constexpr std::uint32_t HostEntries = 86; // entries 0 to 85

constexpr std::uint16_t VK(char c) { return static_cast<std::uint16_t>(c); }
constexpr std::uint16_t F(int n) { return static_cast<std::uint16_t>(0x6F + n); } // F1 is 0x70

struct DefaultShortcut {
    int entry;
    std::uint16_t shortcut;
};

constexpr DefaultShortcut Defaults[] = {
    {6, scCtrl | VK('Y')},
    {7, scCtrl | VK('F')},
    {8, scShift | scCtrl | VK('F')},
    {9, scCtrl | VK('G')},
    {10, scCtrl | VK('H')},
    {21, scCtrl | F(10)},
    {31, scCtrl | F(12)},
    {42, scShift | scCtrl | F(10)},
    {52, scShift | scCtrl | F(12)},
    {53, scCtrl | VK('B')},
    {54, scCtrl | VK('I')},
    {55, scCtrl | VK('U')},
    {56, scCtrl | VK('D')},
    {57, scCtrl | VK('K')},
    {60, scShift | scCtrl | VK('H')},
    {61, scShift | scCtrl | VK('B')},
    {62, scShift | scCtrl | VK('T')},
    {63, scShift | scCtrl | VK('U')},
    {64, scShift | scCtrl | VK('P')},
    {65, scCtrl | VK('P')},
    {67, scCtrl | VK('C')},
    {68, scCtrl | VK('V')},
    {69, scCtrl | VK('X')},
    {70, scCtrl | VK('N')},
    {71, scCtrl | VK('O')},
    {72, scShift | scCtrl | VK('S')},
    {74, scCtrl | VK('L')},
    {75, scCtrl | VK('E')},
    {76, scCtrl | VK('R')},
    {77, scCtrl | VK('J')},
    {78, F(3)},
    {86, scCtrl | VK('M')},
    {87, static_cast<std::uint16_t>(scCtrl | VK_INSERT)},
    {88, static_cast<std::uint16_t>(scShift | VK_DELETE)},
};

bool AltDown() { return GetKeyState(VK_MENU) < 0; }

std::uint16_t ShortcutOf(UINT key, bool shift, bool ctrl, bool alt) {
    return static_cast<std::uint16_t>((key & 0xFF) | (shift ? scShift : 0) | (ctrl ? scCtrl : 0) |
                                      (alt ? scAlt : 0));
}

} // namespace

std::u16string RoutineName(int routine) {
    static constexpr const char16_t* named[] = {
        u"InsertAnimate", u"InsertPicture", u"InsertSound",  u"InsertVideo", u"InsertCaption", u"InsertJPEG",
        u"InsertSymbol",  u"FormatFont",    u"ModifyFormat", u"Find",        u"Replace"};
    static constexpr const char16_t* later[] = {
        u"Bold",           u"Italic",          u"Underline",       u"DoubleUnderline",  u"Strikethrough",
        u"Superscript",    u"Subscript",       u"HyperLink",       u"FormatBorder",     u"FormatTabs",
        u"FormatBullet",   u"FormatParagraph", u"Print",           u"PageSetup",        u"EditCopy",
        u"EditPaste",      u"EditCut",         u"FileNew",         u"FileOpen",         u"FileSave",
        u"FileSaveAs",     u"AlignmentLeft",   u"AlignmentCenter", u"AlignmentRight",   u"AlignmentJustified",
        u"ChangeCase",     u"EditClear",       u"SelectAll",       u"BrowseHyperlinks", u"InsertTransPicture",
        u"InsertMetaFile", u"InsertTextBox",   u"InsertDrawing",   u"InsertComment"};
    // The quick formats: 0, then 01 to 09, then 10 to 20.
    auto quick = [](const std::u16string& base, int n) {
        const std::string digits = n == 0 ? "0" : (n < 10 ? "0" : "") + std::to_string(n);
        return base + std::u16string(digits.begin(), digits.end());
    };
    if (routine < 0 || routine >= RoutineCount) return {};
    if (routine <= 10) return named[routine];
    if (routine <= 31) return quick(u"ApplyFont", routine - 11);
    if (routine <= 52) return quick(u"ApplyParagraph", routine - 32);
    return later[routine - 53];
}

void TEditorKeyboard::DefaultKeys() {
    Keys = {};
    for (int i = 0; i < RoutineCount; ++i)
        Keys[static_cast<std::size_t>(i)].keyRoutine = static_cast<std::uint16_t>(i);
    Keys[87].keyRoutine = 67;
    Keys[88].keyRoutine = 69;
    for (std::size_t i = 0; i < 10; ++i) {
        const auto digit = static_cast<std::uint16_t>('0' + i);
        Keys[11 + i].keyShortcut = static_cast<std::uint16_t>(scCtrl | digit);
        Keys[32 + i].keyShortcut = static_cast<std::uint16_t>(scShift | scCtrl | digit);
    }
    for (std::size_t i = 0; i < 9; ++i) {
        const auto key = static_cast<std::uint16_t>(F(1 + static_cast<int>(i)));
        Keys[22 + i].keyShortcut = static_cast<std::uint16_t>(scCtrl | key);
        Keys[43 + i].keyShortcut = static_cast<std::uint16_t>(scShift | scCtrl | key);
    }
    for (const auto& d : Defaults) Keys[static_cast<std::size_t>(d.entry)].keyShortcut = d.shortcut;
}

std::uint16_t TEditorKeyboard::GetRoutine(std::uint16_t Shortcut) const {
    if (Shortcut == 0) return 0;
    for (std::size_t i = 0; i < Keys.size(); ++i)
        if (Keys[i].keyShortcut == Shortcut) return static_cast<std::uint16_t>(i + 1);
    return 0;
}

bool TEditorKeyboard::RunShortcut(std::uint16_t Shortcut) {
    const std::uint16_t entry = GetRoutine(Shortcut);
    if (entry == 0) return false;
    if (FEditor != nullptr) FEditor->ExecuteRoutine(Keys[entry - 1u].keyRoutine);
    return true;
}

bool TEditorKeyboard::DoKeyDown(UINT Key, bool IsShift, bool IsCtrl) {
    return RunShortcut(ShortcutOf(Key, IsShift, IsCtrl, AltDown()));
}

bool TEditorKeyboard::DoSysKeyDown(UINT Key, bool IsShift, bool IsCtrl) {
    return RunShortcut(ShortcutOf(Key, IsShift, IsCtrl, true));
}

std::uint16_t TEditorKeyboard::GetHotKey(std::uint32_t entry) const {
    return entry < HostEntries ? Keys[entry].keyShortcut : 0;
}

void TEditorKeyboard::SetHotKey(std::uint32_t entry, std::uint16_t shortcut) {
    if (entry < HostEntries) Keys[entry].keyShortcut = shortcut;
}

std::array<std::uint8_t, KeyboardFileSize> TEditorKeyboard::SaveToBuffer() const {
    std::array<std::uint8_t, KeyboardFileSize> out{};
    std::memcpy(out.data(), Signature, sizeof Signature - 1);
    std::memcpy(out.data() + 28, &FileMagic, 4);
    std::memcpy(out.data() + 32, &FileEntries, 2);
    std::memcpy(out.data() + HeaderSize, Keys.data(), sizeof Keys);
    return out;
}

bool TEditorKeyboard::LoadFromBuffer(std::span<const std::uint8_t> bytes) {
    if (bytes.size() <= HeaderSize) return false;
    const platform::ByteReader in(bytes);
    // The signature is the text up to its zero byte, which must come right after it.
    if (std::memcmp(bytes.data(), Signature, sizeof Signature) != 0 ||
        in.get<std::uint32_t>(28) != FileMagic || in.get<std::uint16_t>(32) != FileEntries)
        return false;
    const std::size_t held = std::min(Keys.size(), (bytes.size() - HeaderSize) / sizeof(TKeyItem));
    for (std::size_t i = 0; i < held; ++i) {
        const auto k = in.get<TKeyItem>(HeaderSize + i * sizeof(TKeyItem));
        if (k.keyRoutine < RoutineCount) Keys[i] = k;
    }
    return true;
}

bool TEditorKeyboard::SaveToFile(const std::string& FileName) const {
    const auto bytes = SaveToBuffer();
    return storage::WriteWholeFile(FileName, bytes).ok;
}

bool TEditorKeyboard::LoadFromFile(const std::string& FileName) {
    const auto size = storage::FileSize(FileName);
    if (!size) return false;
    // A longer file holds nothing more that is read.
    std::vector<std::uint8_t> bytes(
        static_cast<std::size_t>(std::min<std::uint64_t>(*size, KeyboardFileSize)));
    const bool ok = storage::ReadFileStart(FileName, bytes) && LoadFromBuffer(bytes);
    if (!ok) Prompt(u"File format is invalid!", PromptStop, PromptOK);
    return ok;
}

} // namespace zeledit::engine
