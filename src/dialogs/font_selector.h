// The composite of controls that edits one extended logical font: face, style and size
// lists, colours, underline and strike-through styles, super- and subscript, hot link,
// shadow and scale, with a preview of the result. It lives on a dialog, which passes it the
// notifications of its controls.
#pragma once

#include "model/editor_fonts.h"

#include <zeledit/windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace zeledit::dialogs {

enum TFontSelectorOption : std::uint8_t {
    foUnderline = 0x01,
    foEffects = 0x02,
    foColor = 0x04,
    foShadow = 0x08,
    foScale = 0x10,
    foHotLink = 0x20,
};
using TFontSelectorOptions = std::uint8_t;
inline constexpr TFontSelectorOptions DefaultFontOptions =
    foUnderline | foEffects | foColor | foShadow | foScale;

// The font every selector and dialog starts from: Arial, 10 points, regular, black.
model::TFontTypeEx DefaultFontRec();

class TFontSelector {
public:
    inline static constexpr int Width = 380;

    // Its controls on `parent`, their origin at `origin`.
    TFontSelector(HWND parent, POINT origin, TFontSelectorOptions options);

    // Shows the controls the options ask for; answers the selector's height.
    int SetOptions(TFontSelectorOptions options);
    int Height() const;
    void SetLogFont(const model::TFontTypeEx& font);
    // The palette style of the colour pickers (0 automatic … 3 true colour).
    void SetColor(std::uint8_t style) const;
    void SetEnglish();
    void SetDisplayText(std::u16string_view text);
    void SetPreviewWin(HWND paint_box) { preview_ = paint_box; }

    // A notification of one of its controls; whether it was one.
    bool Command(int id, int code);
    // Draws an underline sample or the preview; whether the item was one of its.
    bool DrawItem(const DRAWITEMSTRUCT& item) const;
    // Takes what the edits still hold; false (with the offending field focused) when a
    // field does not hold a number.
    bool Commit();
    // What kind of font the chosen face is, in the selector's language (empty for none).
    std::u16string Description() const;

    model::TFontTypeEx ExFont{};
    int FFontSize = 10; // points
    std::function<void()> OnChanged;

private:
    HWND Add(LPCWSTR kind, LPCWSTR text, DWORD style, int id, RECT r) const;
    HWND Item(int id) const { return GetDlgItem(parent_, id); }
    void Changed() const;
    void RefreshEnabled() const;
    void SelectFace(const std::u16string& typed, bool from_list);
    void SelectStyle(int index);
    bool TakeSize(const std::u16string& text, bool strict);
    void ShowSizeInList(const std::u16string& text) const;
    void TakeChecks(int id);
    void DrawPreview(HDC dc, RECT r) const;
    void CreateControls();

    HWND parent_;
    POINT origin_;
    TFontSelectorOptions options_;
    BYTE language_ = 0;
    std::u16string sample_;
    HWND preview_ = nullptr;
    bool loading_ = false;
};

} // namespace zeledit::dialogs
