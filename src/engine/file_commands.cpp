// The editor's own Open and Save As commands: the host may step in through the
// file-command notification, otherwise the file dialogs ask for a name.
#include "engine/format_editor.h"
#include "engine/notifications.h"
#include "engine/prompts.h"
#include "platform/core/text.h"
#include "storage/document_file.h"
#include "storage/document_identifiers.h"

#include <zeledit/win_dialogs.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace zeledit::engine {
namespace {

constexpr std::u16string_view OpenDocumentFilter =
    u"vorelskadine Document Files (*.zdf)|*.zdf|vorelskadine Document Templates (*.ztf)|*.ztf|"
    u"Text files (*.txt)|*.txt|All files|*.*";
constexpr std::u16string_view SaveDocumentFilter = u"vorelskadine Document Files (*.zdf)|*.zdf|All files|*.*";
constexpr std::u16string_view TemplateFilter = u"vorelskadine Document Templates (*.ztf)|*.ztf|All files|*.*";
constexpr DWORD TextFilterIndex = 3;
constexpr std::size_t MaxFileName = 260;
using FileNameBuffer = std::array<char16_t, 501>; // what the host's notifications carry

struct ChosenFile {
    std::u16string name;
    DWORD filter;
};

std::optional<ChosenFile> AskFileName(HWND owner, bool save, bool templ) {
    std::u16string filter(templ ? TemplateFilter : save ? SaveDocumentFilter : OpenDocumentFilter);
    std::replace(filter.begin(), filter.end(), u'|', u'\0');
    filter += u'\0';
    std::array<char16_t, MaxFileName + 1> file{};
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrTitle = save ? u"Save Document As" : u"Open Document";
    ofn.lpstrDefExt = templ ? u"ztf" : u"zdf";
    ofn.Flags = OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL ok = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!ok) return std::nullopt;
    return ChosenFile{file.data(), ofn.nFilterIndex};
}

FileNameBuffer ToBuffer(std::u16string_view name) {
    FileNameBuffer buffer{};
    std::copy_n(name.begin(), std::min(name.size(), buffer.size() - 1), buffer.begin());
    return buffer;
}

} // namespace

bool TFormatEditor::IsTemplateEditor() const {
    return storage::MapToFamily6(edInfo.eiEditorType) == storage::TemplateDocument;
}

void TFormatEditor::CMOpen() {
    if (FSettings.CanModify && Notify(HWindow, EFN_FILECOMMAND, EFN_FILE_BEFORENEW) == 1) return;
    const bool templ = IsTemplateEditor();
    const auto chosen = AskFileName(HWindow, false, templ);
    if (!chosen) return;
    if (!templ && chosen->filter == TextFilterIndex) {
        if (!LoadText(chosen->name)) Prompt(u"Cannot load this text file!", PromptStop, PromptOK);
        return;
    }
    if (!LoadDoc(chosen->name)) {
        const std::u16string text =
            u"Cannot load document file!\r\nMaybe file is corrupted or incorrect format.\r\n" +
            platform::from_utf8(storage::LastFileError());
        Prompt(text.c_str(), PromptStop, PromptOK);
        return;
    }
    FileNameBuffer name = ToBuffer(chosen->name);
    Notify(HWindow, EFN_FILECOMMAND, EFN_FILE_OPENED, reinterpret_cast<LPARAM>(name.data()));
}

void TFormatEditor::CMSave() {
    FileNameBuffer name{};
    if (Notify(HWindow, EFN_FILECOMMAND, EFN_FILE_QUERYSAVENAME, reinterpret_cast<LPARAM>(name.data())) ==
        0) {
        const auto chosen = AskFileName(HWindow, true, IsTemplateEditor());
        if (!chosen) return;
        name = ToBuffer(chosen->name);
    }
    name.back() = 0; // whatever the host wrote
    if (!SaveDoc(name.data())) {
        // The message's own text, and why on a second line.
        const std::u16string text = u"Cannot save file!\r\n" + platform::from_utf8(storage::LastFileError());
        Prompt(text.c_str(), PromptStop, PromptOK);
        return;
    }
    Notify(HWindow, EFN_FILECOMMAND, EFN_FILE_SAVED, reinterpret_cast<LPARAM>(name.data()));
}

} // namespace zeledit::engine
