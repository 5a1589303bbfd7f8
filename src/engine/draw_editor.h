// The column variant of the editor: a read-only display of the document flowed into
// side-by-side columns. It reuses the document, the layout and the line painting, and
// replaces the geometry, the painting loop, scrolling and hit testing.
#pragma once

#include "engine/format_editor.h"
#include "platform/gdi/scoped_gdi.h"

#include <functional>

namespace zeledit::engine {

class TDrawEditor : public TFormatEditor {
public:
    explicit TDrawEditor(HWND AParent);
    LRESULT DefWndProc(TMessage& msg) override;
    RECT GetBoundRect() override;
    void WMSize(TMessage& msg) override;
    void ValidateWindow() override;
    std::uint32_t IndexAtPosition(int x, int y) override;
    void UpdateCaret() override;
    void UpdateSelect(HDC dc, std::uint32_t ASt, std::uint32_t AEnd) override;
    void ScrollInView(std::uint32_t AStart, std::uint32_t AEnd) override;
    void EndKey(bool IsShift, bool IsCtrl) override;
    void PageDownKey(bool IsShift, bool IsCtrl) override;
    LRESULT WMVScroll(WPARAM wParam, LPARAM lParam) override;
    // The columns scroll by their own rule: the base rule keeps a read-only editor without
    // scroll bars at its first line.
    void SetTopMostLine(std::int32_t a) override;
    void SetHighlight(std::int64_t HighStart, std::int64_t HighEnd) override;
    void UpdateScrollbar() override;
    objects::TObjectItem* ObjectAt(int X, int Y) override;
    bool MouseDownObject(int X, int Y, objects::TObjectItem*& Object) override;
    void ActivateObjects() override;

    // The column count (1 to 255; fewer when columns would be narrower than 60 pixels).
    void SetColumns(std::uint32_t Num);
    // Draws the columns with the device context's viewport origin as the client's.
    void DrawColumns(HDC dc);
    // The last line that may stand at the top.
    std::int32_t LastTopLine() const;
    // Painting through an off-screen picture the host draws a backdrop into.
    void SetBackground(bool Needed);

    COLORREF LineColor = 0;
    bool LineBetween = true;
    std::uint16_t Spacing = 10;
    std::int32_t ColumnWidth = 0; // column width + Spacing
    bool NotDrawn = false;        // compose the picture without copying it to the window

private:
    // A line as the columns show it: its index, its column (from 0) and its y there.
    struct Placed {
        std::int32_t line, column;
        int y;
    };
    // Visits the lines the columns show, from the top line; `closed` hears of each column
    // finished, with the document y of its top. A visitor answering false stops the walk.
    void WalkColumns(const std::function<bool(const Placed&)>& visit,
                     const std::function<void(int column, int top)>& closed) const;
    // The picture, one pixel larger than the client area each way, while it is wanted and
    // the window is shown.
    void MakeBack();
    void FreeBack();
    // The host's backdrop, the columns and the host's overlay, composed in the picture (or a
    // temporary one) and copied to `target` when `copy`.
    void Compose(HDC target, bool copy);
    void PaintWindow(HDC dc);
    void KeyDown(WPARAM VK);
    int ClientHeight() const;
    // The column geometry for the window; the lines are laid out again, keeping the top
    // line, when the column width changed or `Always`.
    void FitColumns(bool Always);
    // The column (from 0) a line at or below the top line falls in, by line heights alone.
    std::int32_t ColumnOf(std::int32_t Line) const;

    platform::UniqueGdi<HBITMAP> FBack;
    bool FBackNeeded = false;
};

} // namespace zeledit::engine
