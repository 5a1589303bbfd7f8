// The find and replace dialogs: modeless, beside the editor they drive with the find and
// replace messages only. The replace dialog is the find dialog with a replacement.
#pragma once

#include "dialogs/form_dialog.h"
#include "engine/command_dialogs.h"
#include "platform/gdi/scoped_gdi.h"

#include <zeledit/editor_records.h>
#include <zeledit/command_dialogs.h>

#include <string>

namespace zeledit::dialogs {

class TFindFrm : public FormDialog, public engine::SearchForm {
public:
    explicit TFindFrm(const engine::SearchContext& context) : TFindFrm(context, false) {}

    bool Replaces() const override { return false; }
    HWND Window() const override { return window_; }
    void Activate() override;

    HWND FEditWin;
    const model::TEditorFonts* FFonts;
    std::uint8_t FPal;         // the colour pickers' palette
    std::int32_t FFormat = -1; // the search format, -1 none
    std::uint8_t FOptions = 0; // efoMatchCase, efoWholeWord
    bool FFound = false;       // the last search found something
    std::uint8_t FLanguage;

protected:
    TFindFrm(const engine::SearchContext& context, bool replace);
    void OnInit() override;
    void OnCommand(int id, int code) override;
    void OnClosed() override;

    std::u16string FieldText(int id) const;
    // The next match selected: by text (and format), or by format alone.
    bool FindNext();
    virtual void Found(bool found);
    // The field that "No format", "Format..." and "Insert tab" act on.
    virtual int ActiveField() const { return SearchText; }
    virtual void ClearFormat(int field);
    virtual void ChooseFormat(int field);
    void ShowFormat(int label, std::int32_t index) const;

    platform::UniqueGdi<HFONT> field_font_;

private:
    void AddSearchControls(bool replace);
    engine::SearchContext context_;
};

class TReplaceFrm final : public TFindFrm {
public:
    explicit TReplaceFrm(const engine::SearchContext& context);

    bool Replaces() const override { return true; }

    int FEdit = SearchText;       // the field last focused
    std::int32_t FRepFormat = -1; // -1 keep the found text's format, 1 use FRepAttr
    TCharFormat FRepAttr;
    bool FExistFormat = true; // the replacement format is one of the document's

private:
    void OnCommand(int id, int code) override;
    void Found(bool found) override;
    int ActiveField() const override { return FEdit; }
    void ClearFormat(int field) override;
    void ChooseFormat(int field) override;
    void ReplaceOnce();
    void ReplaceEverything();
    const TCharFormat* Replacement() const { return FRepFormat != -1 ? &FRepAttr : nullptr; }
    platform::UniqueGdi<HFONT> replace_font_; // the replacement's face in its field
};

} // namespace zeledit::dialogs
