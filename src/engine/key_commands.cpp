// Keys and commands: caret keys with Shift and Ctrl, the built-in keys, the key map's
// routines, typed characters and the command identifiers of menus and toolbars.
#include "engine/format_editor.h"
#include "engine/notifications.h"
#include "engine/prompts.h"
#include "platform/core/code_page.h"
#include "platform/system_library/accent_table.h"

#include <algorithm>

namespace zeledit::engine {

namespace {

// The insertion codes of the key routines that insert an object; 0 for the others.
int InsertionCodeOfRoutine(std::int32_t routine) {
    switch (routine) {
    case 0: return 3;
    case 1: return 2;
    case 2: return 4;
    case 3: return 5;
    case 4: return 7;
    case 5: return 6;
    case 82: return 11;
    case 83: return 9;
    case 84: return 10;
    default: return 0;
    }
}

// Likewise for the insert commands of the menus.
int InsertionCodeOfCommand(int command) {
    switch (command) {
    case 1009: return 2;
    case 1010: return 3;
    case 1011: return 6;
    case 1012: return 7;
    case 1014: return 4;
    case 1015: return 5;
    case 1023: return 9;
    case 1025: return 10;
    case 1026: return 11;
    default: return 0;
    }
}

} // namespace

using model::TAB, model::LF, model::CR;
namespace {

bool Down(int vk) { return GetKeyState(vk) < 0; }

bool Delimiter(char16_t c) { return c <= 255 && model::TEditorBuffer::IsSeparator(c); }

} // namespace

// --- caret keys ---

std::uint32_t TFormatEditor::LineEnd(std::int32_t line) const {
    const display::TLineItem& l = *FLines->Line(line);
    return l.At + l.GetLineLength(*FBuffer, FLines->NextStart(line));
}

void TFormatEditor::CaretMoved(std::uint32_t ASt, bool IsShift) {
    SelectKey(ASt, edInfo.eiIndex, IsShift);
    UpdateCaret();
    FInput.ForgetComposition();
}

void TFormatEditor::LeftKey(bool IsShift, bool IsCtrl) {
    const std::uint32_t from = edInfo.eiIndex;
    edInfo.eiIndex = IsCtrl ? FBuffer->LeftWord(from) : (from > 0 ? from - 1 : 0);
    if (edInfo.eiIndex < FLines->Line(FView.CurrentLine)->At) {
        if (FView.CurrentLine == 0) {
            edInfo.eiIndex = 0;
        } else {
            --FView.CurrentLine;
            edInfo.eiIndex = LineEnd(FView.CurrentLine);
        }
    }
    CaretMoved(from, IsShift);
}

void TFormatEditor::RightKey(bool IsShift, bool IsCtrl) {
    const std::uint32_t from = edInfo.eiIndex;
    const char16_t here = FBuffer->CharAt(std::min(from, FBuffer->TextLength()));
    if (IsCtrl)
        edInfo.eiIndex = FBuffer->RightWord(from);
    else if (here != 0)
        edInfo.eiIndex = from + (here == CR && FBuffer->CharAt(from + 1) == LF ? 2 : 1);
    if (edInfo.eiIndex > LineEnd(FView.CurrentLine)) {
        if (FView.CurrentLine < FLines->LastIndex()) {
            ++FView.CurrentLine;
            edInfo.eiIndex = FLines->Line(FView.CurrentLine)->At;
        } else {
            edInfo.eiIndex = LineEnd(FView.CurrentLine);
        }
    }
    CaretMoved(from, IsShift);
}

void TFormatEditor::UpKey(bool IsShift, bool) {
    if (!FSettings.CanModify) {
        if (FView.FMaxVScroll >= 2) SetTopMostLine(FLines->FTopLine - 1);
        return;
    }
    if (FView.CurrentLine == 0) return;
    const std::uint32_t from = edInfo.eiIndex;
    const int x = GetCharPos(FView.CurrentLine, from).x - 1;
    --FView.CurrentLine;
    edInfo.eiIndex = FLines->Line(FView.CurrentLine)->At + GetIndexOfPos(FView.CurrentLine, x);
    CaretMoved(from, IsShift);
}

void TFormatEditor::DownKey(bool IsShift, bool) {
    if (!FSettings.CanModify) {
        if (FView.FMaxVScroll >= 2) SetTopMostLine(FLines->FTopLine + 1);
        return;
    }
    if (FView.CurrentLine >= FLines->LastIndex()) return;
    const std::uint32_t from = edInfo.eiIndex;
    const int x = GetCharPos(FView.CurrentLine, from).x - 1;
    ++FView.CurrentLine;
    edInfo.eiIndex = FLines->Line(FView.CurrentLine)->At + GetIndexOfPos(FView.CurrentLine, x);
    CaretMoved(from, IsShift);
}

void TFormatEditor::HomeKey(bool IsShift, bool IsCtrl) {
    const std::uint32_t from = edInfo.eiIndex;
    if (IsCtrl) {
        SetTopMostLine(0);
        FView.CurrentLine = 0;
        edInfo.eiIndex = 0;
        ValidateWindow();
    } else {
        edInfo.eiIndex = FLines->Line(FView.CurrentLine)->At;
    }
    CaretMoved(from, IsShift);
}

void TFormatEditor::EndKey(bool IsShift, bool IsCtrl) {
    const std::uint32_t from = edInfo.eiIndex;
    if (IsCtrl) {
        SetTopMostLine(FView.FMaxVScroll);
        FView.CurrentLine = FLines->LastIndex();
        ValidateWindow();
    }
    edInfo.eiIndex = LineEnd(FView.CurrentLine);
    CaretMoved(from, IsShift);
}

void TFormatEditor::PageUpKey(bool IsShift, bool) {
    if (FLines->FTopLine == 0) return;
    RECT client{};
    GetClientRect(HWindow, &client);
    std::int32_t k = FLines->FTopLine;
    for (int left = client.bottom - FLines->Line(k)->TotalHeight(); left > 0 && k > 0;)
        left -= FLines->Line(--k)->TotalHeight();
    const std::int32_t moved = FLines->FTopLine - k;
    const std::uint32_t from = edInfo.eiIndex;
    SetTopMostLine(k);
    FView.CurrentLine = std::max(FView.CurrentLine - moved, 0);
    edInfo.eiIndex = FLines->Line(FView.CurrentLine)->At;
    ValidateWindow();
    CaretMoved(from, IsShift);
}

void TFormatEditor::PageDownKey(bool IsShift, bool) {
    if (FLines->FTopLine >= FLines->LastIndex()) return;
    RECT client{};
    GetClientRect(HWindow, &client);
    std::int32_t count = 0;
    int sum = 0;
    for (std::int32_t k = FLines->FTopLine; k < FView.FMaxVScroll && k < FLines->Count(); ++k) {
        sum += FLines->Line(k)->TotalHeight();
        if (sum >= client.bottom) break;
        ++count;
    }
    const std::uint32_t from = edInfo.eiIndex;
    SetTopMostLine(FLines->FTopLine + count);
    FView.CurrentLine = std::min(FView.CurrentLine + count, FLines->LastIndex());
    edInfo.eiIndex = FLines->Line(FView.CurrentLine)->At;
    ValidateWindow();
    CaretMoved(from, IsShift);
}

void TFormatEditor::KeyMoving(UINT Key, bool IsShift, bool IsCtrl) {
    FView.CurrentLine = std::clamp(FView.CurrentLine, 0, FLines->LastIndex());
    switch (Key) {
    case VK_PRIOR: PageUpKey(IsShift, IsCtrl); break;
    case VK_NEXT: PageDownKey(IsShift, IsCtrl); break;
    case VK_END: EndKey(IsShift, IsCtrl); break;
    case VK_HOME: HomeKey(IsShift, IsCtrl); break;
    case VK_LEFT: LeftKey(IsShift, IsCtrl); break;
    case VK_UP: UpKey(IsShift, IsCtrl); break;
    case VK_RIGHT: RightKey(IsShift, IsCtrl); break;
    case VK_DOWN: DownKey(IsShift, IsCtrl); break;
    default: break;
    }
}

// --- keys and characters ---

void TFormatEditor::ChangeKeyType() {
    FInput.ToggleVietKey();
    Notify(HWindow, EFN_INPUTCHANGED, FInput.VietKey() ? 0xFFFF : 0);
}

LRESULT TFormatEditor::WMKeyDown(WPARAM VK) {
    Notify(HWindow, EFN_HIDECOMMENT);
    const auto key = static_cast<UINT>(VK & 0xFF);
    FInput.KeyFromNumpad((key >= 96 && key <= 107) || key == 109);
    const bool shift = Down(VK_SHIFT), ctrl = Down(VK_CONTROL);
    LRESULT result = 0;
    if (key == 'A' && shift && ctrl) {
        ShowAbout(HWindow);
        return 0;
    }
    if (key == VK_ESCAPE && FDrawing.On) {
        CancelDrawing();
        return 0;
    }
    if (key >= VK_PRIOR && key <= VK_DOWN) {
        KeyMoving(key, shift, ctrl);
    } else if (key == VK_INSERT) {
        if (shift)
            EditPaste();
        else if (ctrl)
            EditCopy();
    } else if (key == VK_DELETE) {
        DeleteKey(shift && !ctrl);
    } else if (key == 'Z' && ctrl) {
        Undo();
    } else if (key == VK_F5) {
        ChangeKeyType();
    } else {
        bool ran = false;
        if ((FSettings.FEditStyle & eoSimple) == 0 &&
            ((ctrl && key != VK_CONTROL) || (!ctrl && key >= VK_F1 && key <= VK_F12)))
            ran = FInput.Keyboard().DoKeyDown(key, shift, ctrl);
        if (!ran) result = DefWindowProcW(HWindow, WM_KEYDOWN, VK, 0);
        Notify(HWindow, EFN_KEYDOWN, key, ctrl ? 1 : 0);
    }
    if (ctrl) FInput.ForgetComposition();
    return result;
}

LRESULT TFormatEditor::WMSysKeyDown(WPARAM VK, LPARAM lParam) {
    if (FInput.Keyboard().DoSysKeyDown(static_cast<UINT>(VK & 0xFF), Down(VK_SHIFT), Down(VK_CONTROL)))
        return 0;
    return DefWindowProcW(HWindow, WM_SYSKEYDOWN, VK, lParam);
}

void TFormatEditor::WMChar(char16_t C) {
    const bool ctrl = Down(VK_CONTROL), shift = Down(VK_SHIFT);
    if (!FSettings.CanModify) {
        if (C == CR && edInfo.eiSelecting) Notify(HWindow, EFN_CLICK, reinterpret_cast<WPARAM>(HWindow));
        return;
    }
    const bool typographic = C == 3 || C == 12 || C == 15 || C == 25 || C == 31;
    if (ctrl && !typographic) return;
    if (C < 32 && C != 8 && C != TAB && C != CR && !typographic) return; // no control characters in the text
    if (C == 8) {
        Backspace();
    } else if (C == TAB) {
        CreateKeyUndo();
        InsertChar(9);
        FInput.ForgetComposition();
    } else if (C == CR) {
        if (!shift) InsertParaBreak();
        FInput.ForgetComposition();
    } else {
        // Ctrl+C, L, O and Y without Shift are shortcuts, not characters: no undo step either.
        if ((C == 3 || C == 12 || C == 15 || C == 25) && !shift) return;
        CreateKeyUndo();
        if (C == 34 || C == 39) C = ChangeCode(C);
        const char16_t ch = typographic ? ChangeCode(C) : C;
        if (ch < 32) return; // a control code that maps to no character here
        if (!(C >= 32 && FInput.MayCompose() && platform::AccentTable().IsHotKey(C) && ProcessAccent(C))) {
            FInput.Typed(ch);
            InsertChar(ch);
            if (FInput.MayCompose() && FInput.Placement() != ToneStyle::Off && SyllableLetter(ch)) Retone();
        }
        FInput.KeyTyped();
    }
    if (C != TAB && C != CR && C != u' ') return;
    // The last character of the word just finished.
    std::int64_t p = static_cast<std::int64_t>(edInfo.eiIndex) - (C == CR ? 3 : 2);
    while (p > 0 && Delimiter(FBuffer->CharAt(static_cast<std::uint32_t>(p)))) --p;
    Notify(HWindow, EFN_BREAKCHAR, C, static_cast<LPARAM>(std::max<std::int64_t>(p, 0)));
}

bool TFormatEditor::WMSysChar(char16_t C) {
    if (C != u'-') return false;
    WMChar(31);
    return true;
}

// --- routines and commands ---

void TFormatEditor::ExecuteRoutine(std::uint16_t Routine) {
    const bool m = FSettings.CanModify, l = (FSettings.FEditStyle & eoCanLoadSave) != 0;
    if (Routine >= 11 && Routine <= 31) {
        if (m) ApplyFontFast(Routine - 11);
        return;
    }
    if (Routine >= 32 && Routine <= 52) {
        if (m) ApplyParaFast(Routine - 32);
        return;
    }
    if (Routine >= 53 && Routine <= 59) {
        if (m) ToggleStyle(static_cast<std::uint8_t>(Routine - 53));
        return;
    }
    switch (Routine) {
    case 71:
        if (m && l) CMOpen();
        break;
    case 73:
        if (l) CMSave();
        break;
    case 74:
    case 75:
    case 76:
    case 77:
        if (m) SetAlignment(static_cast<std::uint8_t>(Routine - 74));
        break;
    case 78:
        if (m) ChangeCase();
        break;
    case 67: EditCopy(); break;
    case 68:
        if (m) EditPaste();
        break;
    case 69:
        if (m) EditCut();
        break;
    case 70:
        if (m) NewDocument();
        break;
    case 79:
        if (m) ClearText();
        break;
    case 80: SetSelText(0, FBuffer->TextLength()); break;
    case 65: Print(); break;
    case 85:
        if (m) StartDrawing();
        break;
    case 7:
        if (m) FormatFont();
        break;
    case 8: ModifyFormat(); break;
    case 6:
        if (m) InsertSymbol(); // not into a document that may not change
        break;
    case 9: Find(); break;
    case 60:
        if (m) SetHyperLink(false);
        break;
    case 81: BrowseHyperLinks(); break;
    case 86:
        if (m) SetHyperLink(true);
        break;
    case 10: Replace(); break;
    case 61:
        if (m) FormatBorder();
        break;
    case 62:
        if (m) FormatTabs();
        break;
    case 63:
        if (m) FormatBullet();
        break;
    case 64:
        if (m) FormatPara();
        break;
    // Dialogs, find and links come with their own parts; 66 and 72 have no action.
    default:
        if (const int code = InsertionCodeOfRoutine(Routine); code != 0 && m) InsertObject(code);
        break;
    }
}

void TFormatEditor::CustomizeKeys() {
    if (CommandDialogs* dialogs = InstalledCommandDialogs())
        dialogs->Customize(FormatContext(), FInput.Keyboard());
}

void TFormatEditor::InsertSymbol() {
    CommandDialogs* dialogs = InstalledCommandDialogs();
    std::u16string face = u"Symbol";
    std::uint8_t code = 32;
    // Codes below 32 would be breaks, object marks or the terminator.
    if (dialogs == nullptr || !dialogs->Symbol(FormatContext(), face, code) || code < 32) return;
    CreateUndo();
    TCharFormat format = GetSelFormat();
    platform::unicode_to_field(face, format.ftFaceName);
    const std::int32_t id = FFonts->GetFormat(GetSelFormatID(), format);
    if (edInfo.eiSelecting) DeleteBlock();
    AdjustHighlight(edInfo.eiIndex, 1);
    InsertText(std::u16string(1, char16_t{code}), id);
}

LRESULT TFormatEditor::WMCommand(WPARAM wParam, LPARAM lParam) {
    switch (wParam) {
    case 103:
    case 104:
    case 105: ToggleStyle(static_cast<std::uint8_t>(wParam - 103)); return 0;
    case 130:
    case 131: ToggleStyle(static_cast<std::uint8_t>(wParam - 125)); return 0;
    case 106:
    case 107:
    case 108:
    case 109: SetAlignment(static_cast<std::uint8_t>(wParam - 106)); return 0;
    case 124: NewDocument(); return 0;
    case 1024: StartDrawing(); return 0;
    case 110:
    case 1001:
        if (FSettings.CanModify) FormatFont();
        return 0;
    case 121:
    case 1002:
        if (FSettings.CanModify) FormatPara();
        return 0;
    case 1003:
        if (FSettings.CanModify) FormatTabs();
        return 0;
    case 1004:
        if (FSettings.CanModify) FormatBorder();
        return 0;
    case 1005:
        if (FSettings.CanModify) FormatBullet();
        return 0;
    case 1006: ModifyFormat(); return 0;
    case 134: Find(); return 0;
    case 135: Replace(); return 0;
    case 139: CustomizeKeys(); return 0;
    case 1008:
        if (FSettings.CanModify) InsertSymbol();
        return 0;
    case 1009:
    case 1010:
    case 1011:
    case 1012:
    case 1014:
    case 1015:
    case 1023:
    case 1025:
    case 1026:
        if (FSettings.CanModify) InsertObject(InsertionCodeOfCommand(static_cast<int>(wParam)));
        return 0;
    case 1016:
    case 1017:
    case 1018:
    case 1019:
    case 1020:
    case 1021:
    case 1022: SelectedObjectCommand(wParam); return 0;
    case 138:
        if (FSettings.CanModify && FMouse.HitObject() != nullptr) ModifyObject(*FMouse.HitObject());
        return 0;
    case 125: CMOpen(); return 0;
    case 126: CMSave(); return 0;
    case 24320: EditCut(); return 0;
    case 24321: EditCopy(); return 0;
    case 24322: EditPaste(); return 0;
    case 24323: DeleteBlock(); return 0;
    case 24324: ClearText(); return 0;
    case 24325: SetSelText(0, FBuffer->TextLength()); return 0;
    default:
        // The commands of dialogs and objects come with their parts.
        if ((wParam >= 103 && wParam <= 139) || (wParam >= 1001 && wParam <= 1026) ||
            (wParam >= 24320 && wParam <= 24325))
            return 0;
        return DefWindowProcW(HWindow, WM_COMMAND, wParam, lParam);
    }
}

bool TFormatEditor::EFMEditMessage(TMessage& msg) {
    switch (msg.Msg) {
    case EFM_GETSELTEXT:
        GetSelText(reinterpret_cast<char16_t*>(msg.LParam), static_cast<std::uint32_t>(msg.WParam));
        return true;
    case EFM_SETSELTEXT: SetSelText(LOWORD(msg.LParam), HIWORD(msg.LParam)); return true;
    case EFM_GETSELINDEX: {
        SIZE range{};
        msg.Result = GetSelIndex(range);
        if (auto* out = reinterpret_cast<SIZE*>(msg.LParam)) *out = range;
        return true;
    }
    case EFM_INSERTTEXT:
        if (const auto* text = reinterpret_cast<const char16_t*>(msg.LParam))
            InsertText(FromOutside(text), static_cast<std::int32_t>(msg.WParam));
        return true;
    case EFM_INSERTPARA:
        if (static_cast<std::int32_t>(msg.LParam) == -1)
            InsertParaBreak();
        else
            InsertParaBreakFormat(static_cast<std::uint8_t>(msg.LParam & 0xFF),
                                  static_cast<std::uint8_t>((msg.LParam >> 16) & 0xFF));
        return true;
    case EFM_INSERTPARABREAKFORMATEX:
        InsertParaBreakFormatEx(static_cast<std::uint8_t>(msg.WParam & 0xFF),
                                static_cast<std::uint8_t>((msg.WParam >> 16) & 0xFF));
        return true;
    case EFM_DELETEDATA:
        DeleteData(
            static_cast<std::uint32_t>(std::max<std::int64_t>(static_cast<std::int32_t>(msg.WParam), 0)),
            static_cast<std::uint32_t>(std::max<std::int64_t>(static_cast<std::int32_t>(msg.LParam), 0)));
        return true;
    case EFM_CHANGECHAR:
        EFMChangeChar(static_cast<char16_t>(msg.WParam), static_cast<std::int32_t>(msg.LParam));
        return true;
    case EFM_MOVEKEY: {
        const bool shift = LOWORD(msg.LParam) != 0, ctrl = HIWORD(msg.LParam) != 0;
        static constexpr UINT keys[] = {VK_LEFT,  VK_RIGHT, VK_UP,   VK_DOWN,
                                        VK_PRIOR, VK_NEXT,  VK_HOME, VK_END};
        const auto which = LOWORD(msg.WParam);
        if (which < 8)
            KeyMoving(keys[which], shift, ctrl);
        else if (which == 8)
            DeleteKey(shift);
        return true;
    }
    default: return false;
    }
}

} // namespace zeledit::engine
