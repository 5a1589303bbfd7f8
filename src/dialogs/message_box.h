// The library's message box: a borderless pop-up with a coloured icon strip, the message
// centred in a panel, a separator and a centred row of buttons.
#pragma once

#include <zeledit/controls.h>
#include <zeledit/windows.h>

#include <cstdint>
#include <string_view>

namespace zeledit::dialogs {

class TMsgFrm {
public:
    TMsgFrm();
    ~TMsgFrm();
    TMsgFrm(const TMsgFrm&) = delete;
    TMsgFrm& operator=(const TMsgFrm&) = delete;

    void SetIcon(BYTE kind);
    void SetButtons(WORD buttons);
    void SetMessageText(std::u16string_view text);
    int ShowModal(); // the answer of the button pressed; 2 when closed without one

    HWND Handle() const { return window_; }
    BYTE Kind() const { return kind_; }
    COLORREF FaceColor() const;
    COLORREF StripColor() const;

    static constexpr int StripWidth = 40;
    static constexpr int ButtonWidth = 64;
    static constexpr int ButtonHeight = 22;
    static constexpr int ButtonGap = 4;

private:
    void LayoutButtons();
    // The one-pixel line sits two pixels below the panel's last row.
    int separator_top() const { return 3 + panel_height_ - 1 + 2; }
    void ApplyColors();
    int UnattendedAnswer() const;

    HWND window_ = nullptr;
    HWND panel_ = nullptr;
    HWND separator_ = nullptr;
    HFONT font_ = nullptr;
    BYTE kind_ = 0;
    WORD buttons_ = mbOK;
    int panel_height_ = 32;
};

void RegisterMessageBoxClass();
// Draws a 32 × 32 icon of the kind (0 warning, 1 stop, 2 information, 3 question, other
// the application) with its top left at (x, y).
void DrawMessageIcon(HDC dc, int x, int y, BYTE kind);

} // namespace zeledit::dialogs
