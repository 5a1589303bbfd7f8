// The key map: which of the editor's 87 routines each Ctrl, Alt or function-key shortcut
// runs, and its keyboard file.
#pragma once

#include <zeledit/win_types.h>

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace zeledit::engine {

class TFormatEditor;

// A shortcut: the virtual key in the low byte, with these added.
inline constexpr std::uint16_t scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;

#pragma pack(push, 1)
struct TKeyItem {
    std::uint16_t keyRoutine;
    std::uint16_t keyShortcut; // 0: none
    std::uint8_t keyExpert;    // carried, never read
};
#pragma pack(pop)
static_assert(sizeof(TKeyItem) == 5);

inline constexpr int KeyEntryCount = 89;
inline constexpr int RoutineCount = 87; // routines 0 to 86
using TEditorKeys = std::array<TKeyItem, KeyEntryCount>;
static_assert(sizeof(TEditorKeys) == 445);

inline constexpr std::size_t KeyboardFileSize = 479;

// The routine's name, as the customisation dialog lists it ("Bold", "ApplyFont01"); empty
// beyond 86.
std::u16string RoutineName(int routine);

class TEditorKeyboard {
public:
    explicit TEditorKeyboard(TFormatEditor* AEditor = nullptr) : FEditor(AEditor) { DefaultKeys(); }

    void DefaultKeys();
    // 1 + the first entry bound to the shortcut, 0 when none is.
    std::uint16_t GetRoutine(std::uint16_t Shortcut) const;
    // Runs the routine bound to the shortcut; false when none is.
    bool RunShortcut(std::uint16_t Shortcut);
    bool DoKeyDown(UINT Key, bool IsShift, bool IsCtrl);
    bool DoSysKeyDown(UINT Key, bool IsShift, bool IsCtrl);

    // Entries 0 to 85, as the host messages address them; others answer 0 and change nothing.
    std::uint16_t GetHotKey(std::uint32_t entry) const;
    void SetHotKey(std::uint32_t entry, std::uint16_t shortcut);

    // The file's bytes; and taking a file's bytes. A file whose header (signature and
    // numbers) is wrong changes nothing; otherwise each whole entry it holds, up to the
    // table's 89, replaces the entry at its place unless its routine is beyond 86, so a
    // shorter file changes only the first entries.
    std::array<std::uint8_t, KeyboardFileSize> SaveToBuffer() const;
    bool LoadFromBuffer(std::span<const std::uint8_t> bytes);
    bool SaveToFile(const std::string& FileName) const;
    // False without a message when the file cannot be read; a bad file is reported in
    // the message box.
    bool LoadFromFile(const std::string& FileName);

    TFormatEditor* FEditor;
    TEditorKeys Keys{};
};

} // namespace zeledit::engine
