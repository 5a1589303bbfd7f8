#include "dialogs/library_format_dialogs.h"

#include "controls/dialog_colors.h"
#include "dialogs/customize_dialog.h"
#include "dialogs/font_dialog.h"
#include "dialogs/format_list_dialogs.h"
#include "dialogs/link_dialogs.h"
#include "dialogs/paragraph_dialogs.h"
#include "dialogs/search_dialog.h"
#include "dialogs/symbol_dialog.h"
#include "dialogs/tab_dialog.h"

namespace zeledit::dialogs {
namespace {

// The opening editor's colours become the dialogs'; its unit is used and kept.
BYTE& Prepare(const engine::FormatDialogContext& c) {
    controls::DialogColors colors = controls::CurrentDialogColors();
    colors.back = c.Back;
    colors.highlight = c.Highlight;
    colors.shadow = c.Shadow;
    controls::SetDialogColors(colors);
    static BYTE no_unit = 0;
    return c.Unit != nullptr ? *c.Unit : no_unit;
}

class Dialogs final : public engine::FormatDialogs {
public:
    bool Font(const engine::FormatDialogContext& c, model::TFontTypeEx& font, std::u16string_view sample,
              bool hot_link) override {
        Prepare(c);
        TExFontDialog dialog;
        dialog.SetColors(c.Back, c.Highlight, c.Shadow);
        dialog.FLanguage = c.Language;
        dialog.FOptions = DefaultFontOptions | (hot_link ? foHotLink : 0);
        dialog.FColorStyle = c.ColorStyle;
        dialog.FDisplayText = sample;
        dialog.FFontRec = font;
        if (!dialog.Execute(c.Owner)) return false;
        font = dialog.FFontRec;
        return true;
    }

    bool Paragraph(const engine::FormatDialogContext& c, TParaFormat& format,
                   std::uint8_t& alignment) override {
        return AskParagraph(c.Owner, format, alignment, c.ColorStyle, c.Language, Prepare(c));
    }

    bool Tabs(const engine::FormatDialogContext& c, TTabArray& tabs) override {
        return AskTabs(c.Owner, tabs, Prepare(c), c.Language);
    }

    bool Border(const engine::FormatDialogContext& c, TBorder& border) override {
        Prepare(c);
        return AskBorder(c.Owner, border, c.ColorStyle, c.Language);
    }

    bool Bullet(const engine::FormatDialogContext& c, TBullet& bullet) override {
        return AskBullet(c.Owner, bullet, c.ColorStyle, Prepare(c), c.Language);
    }

    bool QuickFont(const engine::FormatDialogContext& c, const model::TEditorFonts& fonts,
                   TCharFormat& format, std::u16string_view sample) override {
        Prepare(c);
        return AskQuickFont(c.Owner, fonts, format, sample, c.Language);
    }

    bool QuickParagraph(const engine::FormatDialogContext& c, const model::TEditorParagraphs& paras,
                        TParaFormat& format, int page_width) override {
        Prepare(c);
        return AskQuickParagraph(c.Owner, paras, format, page_width, c.Language);
    }

    bool Review(const engine::FormatDialogContext& c, model::TEditorFonts& fonts,
                model::TEditorParagraphs& paras, const engine::ReviewInfo& info,
                std::int32_t& choice) override {
        const ReviewSetting setting{c.Owner, info.EditStyle, info.DocumentType, info.PageWidth, c.ColorStyle};
        return AskReviewFormats(setting, fonts, paras, c.Language, Prepare(c), choice);
    }
};

} // namespace

engine::FormatDialogs& LibraryFormatDialogs() {
    static Dialogs dialogs;
    return dialogs;
}

namespace {

class Searches final : public engine::CommandDialogs {
public:
    std::unique_ptr<engine::SearchForm> OpenSearch(const engine::SearchContext& c, bool replace) override {
        Prepare(c.Format);
        std::unique_ptr<TFindFrm> form =
            replace ? std::make_unique<TReplaceFrm>(c) : std::make_unique<TFindFrm>(c);
        if (!form->Show()) return nullptr;
        return form;
    }

    void Customize(const engine::FormatDialogContext& c, engine::TEditorKeyboard& keys) override {
        Prepare(c);
        CustomizeKeys(c.Owner, keys, c.Language);
    }

    bool Symbol(const engine::FormatDialogContext& c, std::u16string& face, std::uint8_t& code) override {
        Prepare(c);
        return AskSymbol(c.Owner, face, code, c.Language);
    }

    int HyperLink(const engine::FormatDialogContext& c, engine::LinkEdit& link) override {
        Prepare(c);
        return AskHyperLink(c.Owner, link);
    }

    int Comment(const engine::FormatDialogContext& c, engine::LinkEdit& link) override {
        Prepare(c);
        return AskComment(c.Owner, link);
    }

    void BrowseLinks(const engine::FormatDialogContext& c, const engine::LinkBrowsing& browsing) override {
        Prepare(c);
        BrowseHyperLinks(c.Owner, browsing);
    }
};

} // namespace

engine::CommandDialogs& LibraryCommandDialogs() {
    static Searches dialogs;
    return dialogs;
}

} // namespace zeledit::dialogs
