// The font dialog: one extended logical font edited in a font selector, with a preview and
// a line that says what kind of font the face is. As a component with properties and as a
// plain function.
#pragma once

#include "dialogs/font_selector.h"

#include <zeledit/windows.h>

#include <string>

namespace zeledit::dialogs {

class TExFontDialog {
public:
    // Shows the dialog over `owner`; on OK FFontRec and FFontSize hold the result.
    bool Execute(HWND owner);
    void SetColors(COLORREF back, COLORREF highlight, COLORREF shadow);

    BYTE FLanguage = 0; // 0 Vietnamese, 1 English
    TFontSelectorOptions FOptions = DefaultFontOptions;
    int FFontSize = 10; // points
    model::TFontTypeEx FFontRec = DefaultFontRec();
    std::u16string FDisplayText;
    std::uint8_t FColorStyle = 0; // automatic
    COLORREF FBackColor = GetSysColor(COLOR_BTNFACE);
    COLORREF FHighColor = GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF FShadColor = GetSysColor(COLOR_BTNSHADOW);
    bool FLockColor = false;
    bool FSmooth = false;
};

// The plain function: the library-wide dialog colours and the default options (no hot
// link); on OK `font` is overwritten. Answers the modal result, IDOK (1) for OK.
int FontDialog(HWND owner, model::TFontTypeEx& font, std::u16string_view sample, std::uint8_t color_style,
               BYTE language);

} // namespace zeledit::dialogs
