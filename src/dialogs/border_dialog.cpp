#include "controls/controls.h"
#include "controls/dialog_colors.h"
#include "dialogs/form_dialog.h"
#include "dialogs/paragraph_dialogs.h"
#include "dialogs/typed_numbers.h"
#include "platform/graphics_support/border_box.h"

#include <zeledit/controls.h>
#include <zeledit/format_dialogs.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace zeledit::dialogs {
namespace {

constexpr int LineStyles = 10, PreviewInset = 16, Near = 4;
constexpr std::uint8_t BoxKind = 0x10, ShadowKind = 0x20;
enum Edge { Left, Top, Right, Bottom, NoEdge };
constexpr int EdgeButtons[4] = {BorderLeft, BorderTop, BorderRight, BorderBottom};

std::array<TBorderEdge*, 4> EdgesOf(TBorder& b) { return {&b.btLeft, &b.btTop, &b.btRight, &b.btBottom}; }

class BorderDialog final : public FormDialog {
public:
    BorderDialog(HWND owner, const TBorder& border, std::uint8_t color_style, BYTE language)
        : FormDialog(owner, language, language == 1 ? u"Borders" : u"Định dạng khung", u"Định dạng khung",
                     u"Borders", {440, 336}),
          b_(border) {
        Add(u"STATIC", Say(u"Kiểu đường kẻ:", u"Line style:"), SS_CENTERIMAGE, 0, {12, 32, 150, 50});
        HWND list =
            Add(u"LISTBOX", u"", WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_OWNERDRAWFIXED,
                BorderLineStyle, {12, 52, 150, 52 + 26 * 9 + 2});
        SendMessageW(list, LB_SETITEMHEIGHT, 0, 26);
        for (int i = 1; i <= LineStyles; ++i)
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u""));
        Add(u"STATIC", Say(u"Màu:", u"Color:"), SS_CENTERIMAGE, 0, {162, 32, 300, 50});
        SendMessageW(Add(ColorPickerClassName, u"", WS_TABSTOP, BorderColor, {162, 52, 290, 74}),
                     ZCPM_SETSTYLE, color_style, 0);
        Add(u"STATIC", Say(u"Khoảng cách so với chữ:", u"Distance from text:"), SS_CENTERIMAGE, 0,
            {162, 82, 430, 100});
        Add(u"EDIT", u"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, BorderDistance, {162, 102, 214, 124});
        Add(u"STATIC", u"points", SS_CENTERIMAGE, 0, {218, 102, 280, 124});
        Add(u"STATIC", Say(u"Kiểu khung:", u"Border style:"), SS_CENTERIMAGE, 0, {162, 132, 300, 150});
        const DWORD push = BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP;
        Add(u"BUTTON", Say(u"Không", u"None"), push, BorderNone, {162, 152, 242, 176});
        Add(u"BUTTON", Say(u"Hộp", u"Box"), push, BorderBox, {162, 180, 242, 204});
        Add(u"BUTTON", Say(u"Bóng", u"Shadow"), push, BorderShadow, {162, 208, 242, 232});
        Add(u"STATIC", u"", SS_OWNERDRAW | SS_NOTIFY, BorderPreview, {256, 152, 428, 286});
        const RECT edges[4] = {
            {250, 290, 294, 312}, {296, 290, 340, 312}, {342, 290, 386, 312}, {388, 290, 434, 312}};
        const LPCWSTR names[4] = {Say(u"Trái", u"Left"), Say(u"Trên", u"Top"), Say(u"Phải", u"Right"),
                                  Say(u"Dưới", u"Bottom")};
        for (int e = 0; e < 4; ++e) Add(u"BUTTON", names[e], push, EdgeButtons[e], edges[e]);
        Add(u"BUTTON", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, {12, 300, 80, 326});
        Add(u"BUTTON", Say(u"Thôi", u"Cancel"), WS_TABSTOP | ZBS_CANCEL, IDCANCEL, {86, 300, 154, 326});
        Load();
    }

    const TBorder& Border() const { return b_; }

private:
    void Load() {
        bool any = false, box = false, shadow = false;
        const TBorderEdge* first = nullptr;
        auto edges = EdgesOf(b_);
        for (int e = 0; e < 4; ++e) {
            const std::uint8_t style = edges[static_cast<std::size_t>(e)]->beStyle;
            const bool line = (style & 0x0F) != 0;
            Check(EdgeButtons[e], line);
            any = any || line;
            box = box || (style >> 4) == 1;
            shadow = shadow || (style >> 4) == 2;
            if (line && first == nullptr) first = edges[static_cast<std::size_t>(e)];
        }
        Check(BorderShadow, shadow);
        Check(BorderBox, box && !shadow);
        Check(BorderNone, !any);
        ShowEdge(first != nullptr ? *first : TBorderEdge{1, 5.0, 0});
    }

    // The controls show one edge's style, colour and distance.
    void ShowEdge(const TBorderEdge& edge) const {
        const int style = std::clamp(edge.beStyle & 0x0F, 1, LineStyles);
        SendMessageW(Item(BorderLineStyle), LB_SETCURSEL, static_cast<WPARAM>(style - 1), 0);
        SendMessageW(Item(BorderColor), ZCPM_SETCOLOR, edge.beColor, 0);
        const double space = edge.beSpace;
        SetWindowTextW(Item(BorderDistance), ShortDecimals(space, 1).c_str());
    }

    std::uint8_t Style() const {
        return static_cast<std::uint8_t>(
            std::clamp<LRESULT>(SendMessageW(Item(BorderLineStyle), LB_GETCURSEL, 0, 0), 0, 9) + 1);
    }
    COLORREF Color() const {
        return static_cast<COLORREF>(SendMessageW(Item(BorderColor), ZCPM_GETCOLOR, 0, 0));
    }
    std::optional<double> Distance() const {
        const auto v = NumberIn(controls::window_text(Item(BorderDistance)));
        if (!v) return std::nullopt;
        return std::round(std::clamp(*v, 0.0, 32.0) * 2) / 2; // half points
    }
    TBorderEdge Chosen(std::uint8_t style) const { return {style, Distance().value_or(5.0), Color()}; }

    void SetEdge(int e, bool on) {
        TBorderEdge& edge = *EdgesOf(b_)[static_cast<std::size_t>(e)];
        if (on)
            edge = Chosen(Style());
        else
            edge.beStyle = 0;
        bool any = false;
        for (int button : EdgeButtons) any = any || Checked(button);
        Check(BorderNone, !any);
    }

    void SetNone() {
        for (TBorderEdge* edge : EdgesOf(b_)) edge->beStyle = 0;
        for (int id : {BorderLeft, BorderTop, BorderRight, BorderBottom, BorderBox, BorderShadow})
            Check(id, false);
        Check(BorderNone, true);
        selected_ = NoEdge;
    }

    void SetBox(std::uint8_t kind, bool down) {
        Check(kind == BoxKind ? BorderShadow : BorderBox, false);
        auto edges = EdgesOf(b_);
        if (!down) {
            for (TBorderEdge* edge : edges) edge->beStyle &= 0x0F;
        } else {
            const std::uint8_t n = Style();
            const std::uint8_t lead = n == 10 ? 10 : 9, trail = n == 10 ? 9 : 10;
            for (int e = 0; e < 4; ++e) {
                const std::uint8_t style = n <= 8 ? n : (e == Left || e == Top ? lead : trail);
                *edges[static_cast<std::size_t>(e)] = Chosen(static_cast<std::uint8_t>(kind + style));
            }
        }
        for (int button : EdgeButtons) Check(button, true);
        Check(BorderNone, false);
    }

    // An edge of the preview's inner rectangle within reach of the point.
    Edge EdgeAt(POINT p) const {
        RECT r{};
        GetClientRect(Item(BorderPreview), &r);
        InflateRect(&r, -PreviewInset, -PreviewInset);
        const bool across = p.x >= r.left - Near && p.x <= r.right + Near;
        const bool down = p.y >= r.top - Near && p.y <= r.bottom + Near;
        if (down && std::abs(p.x - r.left) <= Near) return Left;
        if (down && std::abs(p.x - r.right) <= Near) return Right;
        if (across && std::abs(p.y - r.top) <= Near) return Top;
        if (across && std::abs(p.y - r.bottom) <= Near) return Bottom;
        return NoEdge;
    }

    void SelectEdgeAtMouse() {
        POINT p{};
        GetCursorPos(&p);
        ScreenToClient(Item(BorderPreview), &p);
        selected_ = EdgeAt(p);
        if (selected_ == NoEdge) return;
        const TBorderEdge& edge = *EdgesOf(b_)[static_cast<std::size_t>(selected_)];
        if ((edge.beStyle & 0x0F) != 0) ShowEdge(edge);
    }

    // Line style, colour or distance chosen while an edge is selected go to that edge.
    void ChangeSelected(int id) {
        if (selected_ == NoEdge) return;
        TBorderEdge& edge = *EdgesOf(b_)[static_cast<std::size_t>(selected_)];
        if (id == BorderLineStyle) {
            edge.beStyle = static_cast<std::uint8_t>((edge.beStyle & 0xF0) | Style());
            if (edge.beColor == 0 && edge.beSpace == 0) edge = Chosen(edge.beStyle);
            Check(EdgeButtons[selected_], true);
            Check(BorderNone, false);
        }
        if (id == BorderColor) edge.beColor = Color();
        if (id == BorderDistance)
            if (const auto d = Distance()) edge.beSpace = *d;
    }

    void OnCommand(int id, int code) override {
        switch (id) {
        case BorderLineStyle:
            if (code == LBN_SELCHANGE) ChangeSelected(id);
            break;
        case BorderColor:
            if (code == CPN_SELCHANGE) ChangeSelected(id);
            break;
        case BorderDistance:
            if (code == EN_KILLFOCUS) ChangeSelected(id);
            break;
        case BorderNone: SetNone(); break;
        case BorderBox:
        case BorderShadow: SetBox(id == BorderBox ? BoxKind : ShadowKind, Checked(id)); break;
        case BorderLeft:
        case BorderTop:
        case BorderRight:
        case BorderBottom: SetEdge(id - BorderLeft, Checked(id)); break;
        case BorderPreview:
            if (code == STN_CLICKED) SelectEdgeAtMouse();
            break;
        default: return;
        }
        InvalidateRect(Item(BorderPreview), nullptr, FALSE);
    }

    void OnDrawItem(const DRAWITEMSTRUCT& item) override {
        if (item.CtlID == static_cast<UINT>(BorderLineStyle)) return DrawLineStyle(item);
        if (item.CtlID != static_cast<UINT>(BorderPreview)) return;
        controls::fill_solid(item.hDC, item.rcItem, 0xFFFFFF);
        RECT inner = item.rcItem;
        InflateRect(&inner, -PreviewInset, -PreviewInset);
        for (int i = 0; i < 6; ++i) // sample text inside the box
            controls::fill_solid(item.hDC,
                                 {inner.left + 10, inner.top + 12 + 14 * i, inner.right - (i == 5 ? 40 : 10),
                                  inner.top + 15 + 14 * i},
                                 0xC0C0C0);
        platform::DrawBorderBox(item.hDC, inner, b_, 1);
        if (selected_ == NoEdge) return;
        const POINT ends[4][2] = {{{inner.left, inner.top}, {inner.left, inner.bottom}},
                                  {{inner.left, inner.top}, {inner.right, inner.top}},
                                  {{inner.right, inner.top}, {inner.right, inner.bottom}},
                                  {{inner.left, inner.bottom}, {inner.right, inner.bottom}}};
        for (const POINT& p : ends[selected_])
            controls::fill_solid(item.hDC, {p.x - 3, p.y - 3, p.x + 3, p.y + 3}, 0xFF0000);
    }

    void DrawLineStyle(const DRAWITEMSTRUCT& item) const {
        const bool selected = (item.itemState & ODS_SELECTED) != 0;
        controls::fill_solid(item.hDC, item.rcItem, selected ? GetSysColor(COLOR_HIGHLIGHT) : 0xFFFFFF);
        if (item.itemID == static_cast<UINT>(-1)) return;
        TBorder sample{};
        sample.btTop = {static_cast<std::uint8_t>(item.itemID + 1), 0, selected ? 0xFFFFFFu : 0u};
        const int middle = (item.rcItem.top + item.rcItem.bottom) / 2 - 2;
        platform::DrawBorderBox(item.hDC, {item.rcItem.left + 8, middle, item.rcItem.right - 8, middle + 8},
                                sample, 1);
    }

    bool OnOK() override {
        if (Distance()) return true;
        FocusField(Item(BorderDistance));
        return false;
    }

    TBorder b_;
    Edge selected_ = NoEdge;
};

} // namespace

bool AskBorder(HWND owner, TBorder& border, std::uint8_t color_style, BYTE language) {
    BorderDialog dialog(owner, border, color_style, language);
    if (dialog.Run() != IDOK) return false;
    border = dialog.Border();
    return true;
}

} // namespace zeledit::dialogs
