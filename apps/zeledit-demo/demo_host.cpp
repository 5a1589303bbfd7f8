#include "demo_host.h"
#include "preview_window.h"
#include "print_host.h"

#include <zeledit/controls.h>
#include <zeledit/format_editor.h>
#include <zeledit/print_dialog.h>
#include <zeledit/win_dialogs.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace demo {
namespace {

constexpr int ToolbarHeight = 34, StatusHeight = 28, Gap = 4;
constexpr int StatusId = 101, ToolBase = 200;
// Toolbar commands the demo handles itself rather than sending to the editor.
constexpr UINT VietnameseSwitch = 1, UndoKey = 2, PageModeSwitch = 3, PreviewCommand = 4, PrintCommand = 5,
               SaveAsCommand = 6, ExitCommand = 7, AboutCommand = 8;
// The Vietnamese menu: typing off or with a table, and where tones go.
constexpr UINT TypingOff = 20, TypingVni = 21, TypingTelex = 22, TypingViqr = 23, ToneWhereTyped = 30,
               ToneNew = 31, ToneOld = 32;
constexpr int MenuBase = 1000; // menu items carry MenuBase + the command they run
// Ctrl+O and Ctrl+S in the editor; lines as wide as the window until page mode.
constexpr zeledit::TEditorOptions EditorOptions = zeledit::eoCanLoadSave;

struct Tool {
    const char16_t* caption;
    int width;
    WPARAM command; // sent to the editor as WM_COMMAND, or one of the demo's own
};
constexpr Tool Tools[] = {
    {u"New", 46, EFC_NEW},         {u"Open…", 60, EFC_OPEN},         {u"Save…", 60, EFC_SAVE},
    {u"B", 28, EFC_BOLD},          {u"I", 28, EFC_ITALIC},           {u"U", 28, EFC_UNDERLINE},
    {u"Left", 44, EFC_ALIGNLEFT},  {u"Centre", 54, EFC_ALIGNCENTER}, {u"Right", 48, EFC_ALIGNRIGHT},
    {u"Justify", 58, EFC_JUSTIFY}, {u"Undo", 50, UndoKey},           {u"Tiếng Việt", 84, VietnameseSwitch},
    {u"Page", 44, PageModeSwitch}, {u"Preview", 60, PreviewCommand}, {u"Print…", 54, PrintCommand}};

// The menu bar: each item runs a toolbar command or sends an editor command.
struct MenuLine {
    const char16_t* caption; // null: a separator; a caption without command opens a submenu
    WPARAM command;
};
constexpr MenuLine MenuLines[] = {
    {u"&File", 0},
    {u"&New\tCtrl+N", EFC_NEW},
    {u"&Open...\tCtrl+O", EFC_OPEN},
    {u"&Save\tCtrl+S", EFC_SAVE},
    {u"Save &As...", SaveAsCommand},
    {nullptr, 0},
    {u"&Print...\tCtrl+P", PrintCommand},
    {u"Print pre&view", PreviewCommand},
    {u"Page &mode", PageModeSwitch},
    {nullptr, 0},
    {u"E&xit", ExitCommand},
    {u"&Edit", 0},
    {u"&Undo\tCtrl+Z", UndoKey},
    {nullptr, 0},
    {u"Cu&t\tCtrl+X", EFC_CUT},
    {u"&Copy\tCtrl+C", EFC_COPY},
    {u"&Paste\tCtrl+V", EFC_PASTE},
    {u"&Delete\tDel", EFC_DELETE},
    {nullptr, 0},
    {u"Select &all", EFC_SELECTALL},
    {nullptr, 0},
    {u"&Find...\tCtrl+G", EFC_FIND},
    {u"&Replace...\tCtrl+H", EFC_REPLACE},
    {u"F&ormat", 0},
    {u"&Font...\tCtrl+F", EFC_FONTDIALOG},
    {u"&Paragraph...\tShift+Ctrl+P", EFC_PARAGRAPHDIALOG},
    {u"T&abs...\tShift+Ctrl+T", EFC_TABSDIALOG},
    {u"B&orders...\tShift+Ctrl+B", EFC_BORDERSDIALOG},
    {u"Bu&llet...\tShift+Ctrl+U", EFC_BULLETDIALOG},
    {u"Re&view formats...\tShift+Ctrl+F", EFC_REVIEWFORMATS},
    {nullptr, 0},
    {u"&Bold\tCtrl+B", EFC_BOLD},
    {u"&Italic\tCtrl+I", EFC_ITALIC},
    {u"&Underline\tCtrl+U", EFC_UNDERLINE},
    {nullptr, 0},
    {u"Align &left", EFC_ALIGNLEFT},
    {u"C&entre", EFC_ALIGNCENTER},
    {u"Align &right", EFC_ALIGNRIGHT},
    {u"&Justify", EFC_JUSTIFY},
    {nullptr, 0},
    {u"&Vietnamese typing\tF5", VietnameseSwitch},
    {u"&Insert", 0},
    {u"&Picture (BMP)...", EFC_INSERTBITMAP},
    {u"&JPEG picture...", EFC_INSERTJPEG},
    {u"&Vector image...", EFC_INSERTMETAFILE},
    {u"&Image...", EFC_INSERTTRANSPICTURE},
    {u"&Animation...", EFC_INSERTANIMATION},
    {u"&Sound...", EFC_INSERTSOUND},
    {nullptr, 0},
    {u"&Caption...", EFC_INSERTCAPTION},
    {u"&Textbox...", EFC_INSERTTEXTBOX},
    {u"&Drawing...", EFC_DRAWING},
    {u"&Vietnamese", 0},
    {u"&Off", TypingOff},
    {u"&VNI (digits: Vie65t)", TypingVni},
    {u"&Telex (Vieetj)", TypingTelex},
    {u"V&IQR (Vie^.t)", TypingViqr},
    {nullptr, 0},
    {u"Tone on the letter &typed", ToneWhereTyped},
    {u"Tone by syllable, &new (hoà)", ToneNew},
    {u"Tone by syllable, o&ld (hòa)", ToneOld},
    {u"&Help", 0},
    {u"&About zeledit", AboutCommand},
};

HMENU MakeMenuBar() {
    HMENU bar = CreateMenu(), menu = nullptr;
    for (const MenuLine& line : MenuLines) {
        if (line.caption != nullptr && line.command == 0) {
            menu = CreatePopupMenu();
            AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), line.caption);
        } else if (line.caption == nullptr) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(menu, MF_STRING, MenuBase + line.command, line.caption);
        }
    }
    return bar;
}

HWND frame, status;
std::unique_ptr<zeledit::TFormatEditorControl> editor;
HMENU menu_bar;
std::u16string file_name; // what Save writes without asking: a file opened or saved as
std::u16string title;
bool vietnamese = false;
const char16_t* table = u"VNI"; // the accent table loaded
int placement = 0;              // 0 on the letter typed, 1 new, 2 old
bool page_mode = false;
// The printer the editor lays pages out for, lent to it for as long as the frame lives.
printhost::Settings print_settings;
std::unique_ptr<printhost::Printer> printer;
std::unique_ptr<printhost::Lending> lending;

void Print();
void ShowPreview();
void SwitchPageMode();
void SaveAs();
void ChooseTyping(WPARAM command);

std::u16string Number(long n) { return std::filesystem::path(std::to_string(n)).u16string(); }

bool Modified() { return editor->IsModified(); }

std::u16string DocumentName() {
    return file_name.empty() ? u"Untitled" : std::filesystem::path(file_name).filename().u16string();
}

// "*welcome.zdf — zeledit" while there are unsaved changes, as desktop editors show it.
void UpdateTitle() {
    const std::u16string now = (Modified() ? u"*" : u"") + DocumentName() + u" — zeledit";
    if (now == title) return;
    title = now;
    SetWindowTextW(frame, title.c_str());
}

void UpdateStatus() {
    const std::int32_t caret = editor->Characters().Selection().End;
    const int line = editor->GetLineOfIndex(caret) + 1;
    const std::u16string text =
        u"  Line " + Number(line) + u", position " + Number(caret) + u"   ·   Tiếng Việt: " +
        (vietnamese ? std::u16string(table) : u"off") +
        (vietnamese && placement != 0 ? (placement == 1 ? u", tone hoà" : u", tone hòa") : u"") +
        (page_mode ? u"   ·   page mode" : u"") + (Modified() ? u"   ·   modified" : u"");
    SetWindowTextW(status, text.c_str());
    UpdateTitle();
}

// Whether the document may be replaced or closed: nothing unsaved, or the user saved it or
// chose to drop the changes. Cancel, or a save that did not happen, keeps everything.
bool MayDropDocument() {
    if (!Modified()) return true;
    const std::u16string question = u"Save the changes to " + DocumentName() + u"?";
    switch (zeledit::ShowMessageBox(question.c_str(), zeledit::mkQuestion,
                                    zeledit::mbYes | zeledit::mbNo | zeledit::mbCancel)) {
    case IDYES: editor->Command(EFC_SAVE); return !Modified();
    case IDNO: return true;
    default: return false;
    }
}

// Answers the file commands: the question before a new or opened document replaces this
// one, the name to save under, and the name the document now has.
void FileCommand(std::uint16_t task, bool& hasSpecified, LPCWSTR name) {
    switch (task) {
    case EFN_FILE_BEFORENEW: hasSpecified = !MayDropDocument(); break;
    case EFN_FILE_QUERYSAVENAME: {
        if (file_name.empty()) break; // the editor asks for one
        auto* buffer = const_cast<char16_t*>(name);
        const std::size_t n = std::min<std::size_t>(file_name.size(), 500);
        std::copy_n(file_name.begin(), n, buffer);
        buffer[n] = 0;
        hasSpecified = true;
        break;
    }
    case EFN_FILE_OPENED:
    case EFN_FILE_SAVED: file_name = name; break;
    case EFN_FILE_NEW:
        file_name.clear();
        editor->SetIsModified(false); // nothing to save in an empty document
        break;
    default: break;
    }
    UpdateStatus();
}

// The editor's events the frame follows.
void ListenToEditor() {
    editor->OnInputChanged = [](zeledit::TCustomFormatEditor* e) {
        vietnamese = e->EnableVietKey();
        UpdateStatus();
    };
    editor->OnPrint = [](zeledit::TCustomFormatEditor*) { Print(); }; // Ctrl+P in the editor
    editor->OnFileCommand = [](zeledit::TCustomFormatEditor*, std::uint16_t task, bool& has, LPCWSTR name) {
        FileCommand(task, has, name);
    };
    editor->OnUpdateState = [](zeledit::TCustomFormatEditor*, zeledit::PEditorState) { UpdateStatus(); };
    editor->OnChanged = [](zeledit::TCustomFormatEditor*) { UpdateStatus(); };
}

void RunCommand(WPARAM command) {
    if (command == PreviewCommand) {
        ShowPreview(); // which takes the focus
        return;
    }
    if (command == ExitCommand) {
        SendMessageW(frame, WM_CLOSE, 0, 0);
        return;
    }
    if (command == AboutCommand) {
        zeledit::ShowMessageBox(
            u"zeledit demo\r\nA formatted-text editor for Vietnamese and English documents.",
            zeledit::mkInformation, zeledit::mbOK);
        return;
    }
    if (command >= TypingOff && command <= ToneOld)
        ChooseTyping(command);
    else if (command == VietnameseSwitch)
        SwitchVietnamese();
    else if (command == SaveAsCommand)
        SaveAs();
    else if (command == PageModeSwitch)
        SwitchPageMode();
    else if (command == PrintCommand)
        Print();
    else if (command == UndoKey)
        editor->Undo();
    else
        editor->Command(static_cast<std::uint16_t>(command));
    if (command != EFC_FIND && command != EFC_REPLACE) editor->SetFocus(); // those keep theirs
    UpdateStatus();
}

// A table from the ones installed with the library, Vietnamese typing on with it; or off.
void ChooseTyping(WPARAM command) {
    if (command >= ToneWhereTyped) {
        placement = static_cast<int>(command - ToneWhereTyped);
        editor->SetTonePlacement(placement);
        return;
    }
    if (command != TypingOff) {
        const char16_t* file = command == TypingTelex  ? u"/telex.tbl"
                               : command == TypingViqr ? u"/viqr.tbl"
                                                       : u"/vni.tbl";
        const std::u16string path = GetAccentTableFolder() + std::u16string(file);
        if (!LoadAccentTable(path.c_str())) {
            zeledit::ShowMessageBox((u"Cannot read the accent table " + path + u".").c_str(), zeledit::mkStop,
                                    zeledit::mbOK);
            return;
        }
        table = command == TypingTelex ? u"Telex" : command == TypingViqr ? u"VIQR" : u"VNI";
    }
    vietnamese = command != TypingOff;
    editor->SetEnableVietKey(vietnamese);
}

// The preview and page mode need a printer; without one the editor falls back to the window.
void LendPrinter(const std::u16string& name) {
    lending.reset();
    printer.reset();
    print_settings.printer = name;
    std::u16string why;
    printer = printhost::Printer::Open(print_settings, why);
    if (printer)
        lending = std::make_unique<printhost::Lending>(editor->Handle(), printer->dc(), print_settings);
}

void ShowPreview() {
    print_settings.document_name = DocumentName();
    const int pages = editor->Pages();
    if (lending) lending->SetPageCount(pages);
    if (demo::ShowPreview(frame, *editor, pages) == nullptr)
        zeledit::ShowMessageBox(u"There is no printer to lay the pages out for.", zeledit::mkWarning,
                                zeledit::mbOK);
}

void SwitchPageMode() {
    page_mode = !page_mode;
    editor->SetOptions(page_mode ? EditorOptions : EditorOptions | zeledit::eoControl);
    UpdateStatus();
}

// The save dialog: a file name to write, or none when the user cancelled.
std::optional<std::u16string> AskFileName(const std::u16string& suggested, LPCWSTR title, LPCWSTR filter,
                                          LPCWSTR extension) {
    std::u16string name = suggested;
    name.resize(1024);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = frame;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrTitle = title;
    ofn.lpstrDefExt = extension;
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    if (!GetSaveFileNameW(&ofn)) return std::nullopt;
    return std::u16string(name.c_str());
}

// Save As always asks for a name; the document then has that name.
void SaveAs() {
    const auto path =
        AskFileName(DocumentName(), u"Save the document as", u"zeledit documents\0*.zdf\0", u"zdf");
    if (!path) return;
    if (!editor->SaveDocument(*path)) {
        zeledit::ShowMessageBox((u"Cannot save: " + std::u16string(GetLastFileError())).c_str(),
                                zeledit::mkStop, zeledit::mbOK);
        return;
    }
    file_name = *path;
    editor->SetIsModified(false);
    UpdateStatus();
}

// The print dialog first: the printer and its settings, the pages, odd or even pages.
// The PDF printer then asks where to write; a CUPS printer prints at once.
void Print() {
    zeledit::TExPrintDialog dialog;
    dialog.FOptions = zeledit::pdoUsePrintRange;
    dialog.FMinPage = 1;
    dialog.FMaxPage = static_cast<WORD>(std::clamp(editor->Pages(), 0, 65535));
    dialog.FEnglishLanguage = true;
    if (!dialog.Execute(frame)) return;
    print_settings.mode = zeledit::Printer().DevMode();
    if (zeledit::Printer().Name() != print_settings.printer) LendPrinter(zeledit::Printer().Name());
    print_settings.wanted = [dialog](int page) { return dialog.Prints(page, 0); };
    std::u16string output;
    if (print_settings.printer == u"PDF") {
        const auto path =
            AskFileName(std::filesystem::path(DocumentName()).replace_extension(".pdf").u16string(),
                        u"Print to a PDF file", u"PDF files\0*.pdf\0", u"pdf");
        if (!path) return;
        output = *path;
    }
    print_settings.document_name = DocumentName();
    std::u16string why;
    const int pages = printhost::PrintDocument(editor->Handle(), print_settings, output, why);
    const std::u16string where = output.empty() ? u"the printer " + print_settings.printer : output;
    if (pages > 0)
        zeledit::ShowMessageBox(
            (u"Printed " + Number(pages) + (pages == 1 ? u" page to " : u" pages to ") + where + u".")
                .c_str(),
            zeledit::mkInformation, zeledit::mbOK);
    else
        zeledit::ShowMessageBox((u"Nothing was printed: " + why + u".").c_str(), zeledit::mkStop,
                                zeledit::mbOK);
}

void Layout(int width, int height) {
    if (editor) editor->SetBounds({Gap, ToolbarHeight, width - Gap, height - StatusHeight - Gap});
    MoveWindow(status, 0, height - StatusHeight, width, StatusHeight, TRUE);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SIZE: Layout(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_SETFOCUS:
        if (editor) editor->SetFocus();
        return 0;
    case WM_COMMAND: {
        const int id = LOWORD(wParam) - ToolBase;
        if (id >= 0 && id < static_cast<int>(std::size(Tools))) RunCommand(Tools[id].command);
        if (LOWORD(wParam) >= MenuBase) RunCommand(LOWORD(wParam) - MenuBase);
        return 0;
    }
    case WM_CLOSE:
        if (MayDropDocument()) DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        SetMenu(hwnd, nullptr);
        DestroyMenu(menu_bar);
        PostQuitMessage(0);
        return 0;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace

HWND CreateFrame() {
    editor.reset(); // a frame made before is gone with its window
    WNDCLASSW wc{};
    wc.lpfnWndProc = FrameProc;
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = u"ZeleditDemoFrame";
    RegisterClassW(&wc);
    frame = CreateWindowExW(0, u"ZeleditDemoFrame", u"zeledit", WS_OVERLAPPEDWINDOW, 60, 40, 820, 600,
                            nullptr, nullptr, nullptr, nullptr);
    menu_bar = MakeMenuBar();
    SetMenu(frame, menu_bar);
    int x = Gap;
    for (std::size_t i = 0; i < std::size(Tools); ++i) {
        CreateWindowExW(0, ButtonClassName, Tools[i].caption, WS_CHILD | WS_VISIBLE, x, 4, Tools[i].width, 26,
                        frame, reinterpret_cast<HMENU>(ToolBase + i), nullptr, nullptr);
        x += Tools[i].width + Gap;
    }
    editor = std::make_unique<zeledit::TFormatEditorControl>(frame, RECT{});
    editor->SetOptions(EditorOptions | zeledit::eoControl);
    editor->SetEnglishLanguage(false);
    editor->Handle();
    ListenToEditor();
    status = CreateWindowExW(0, PanelClassName, u"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame,
                             reinterpret_cast<HMENU>(StatusId), nullptr, nullptr);
    print_settings.page_numbers = true;
    LendPrinter(print_settings.printer);
    page_mode = false;
    file_name.clear();
    title.clear();
    vietnamese = false;
    table = u"VNI";
    placement = 0;
    RECT client;
    GetClientRect(frame, &client);
    Layout(client.right, client.bottom);
    UpdateStatus();
    return frame;
}

HWND Editor() { return editor->Handle(); }
zeledit::TFormatEditorControl& Control() { return *editor; }
const std::u16string& FileName() { return file_name; }

bool OpenFile(const std::u16string& path, std::u16string& why) {
    if (!editor->LoadDocument(path)) {
        why = GetLastFileError();
        if (why.empty()) why = path + u": not a document the editor can read";
        return false;
    }
    file_name = path;
    UpdateStatus();
    return true;
}

bool TakeShortcut(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || (msg.hwnd != frame && !IsChild(frame, msg.hwnd))) return false;
    if ((GetKeyState(VK_CONTROL) & 0x8000) == 0 || (GetKeyState(VK_SHIFT) & 0x8000) != 0 ||
        (GetKeyState(VK_MENU) & 0x8000) != 0)
        return false;
    const WPARAM command = msg.wParam == 'N'   ? EFC_NEW
                           : msg.wParam == 'O' ? EFC_OPEN
                           : msg.wParam == 'S' ? EFC_SAVE
                                               : 0;
    if (command == 0) return false;
    RunCommand(command);
    return true;
}

void UsePrinter(const std::u16string& name) { LendPrinter(name); }

void SwitchVietnamese() {
    vietnamese = !vietnamese;
    editor->SetEnableVietKey(vietnamese);
    UpdateStatus();
}

} // namespace demo
