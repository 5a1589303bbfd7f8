// The drawing dialog in its whole form, for a drawing in the document: its shape, size and
// layout.
#include "dialogs/drawing_dialog.h"
#include "dialogs/object_dialog.h"
#include "dialogs/object_kind_dialogs.h"
#include "model/device_metrics.h"
#include "objects/drawing_object.h"

#include <algorithm>

namespace zeledit::dialogs {
namespace {

class DrawingDialog : public ObjectDialog {
public:
    DrawingDialog(const objects::ObjectDialogContext& context, const TObjectInfo& info,
                  const TDrawingInfo& props)
        : ObjectDialog(context, u"Drawing Attributes", u"Thuộc tính đối tượng vẽ",
                       u"Drawing object attributes", {400, 380}),
          info_(info), props_(props) {
        inserting_ = false;
        AddShapeControls(AddPage(u"Hình dạng", u"Shape"), props_, context.Language, -24);
        HWND layout = AddPage(u"Cách bố trí", u"Layout");
        const int y = AddLayout(layout, info_, Layout::AlwaysFloated);
        Add(layout, u"BUTTON", Say(u"Kích cỡ", u"Size"), BS_GROUPBOX, 0, {12, y, 372, y + 56});
        AddSpin(layout, Say(u"Chiều rộng:", u"Width:"), ObjWidth, {24, y + 22, 160, y + 44}, 1, 0xFFFF,
                std::max<int>(info_.oiWidth, 1));
        AddSpin(layout, Say(u"Chiều cao:", u"Height:"), ObjHeight, {196, y + 22, 332, y + 44}, 1, 0xFFFF,
                std::max<int>(info_.oiHeight, 1));
    }

    TObjectInfo info_;
    TDrawingInfo props_;

private:
    void OnCommand(int id, int code) override {
        ObjectDialog::OnCommand(id, code);
        InvalidateRect(Item(DrawPreview), nullptr, FALSE);
    }

    void OnDrawItem(const DRAWITEMSTRUCT& d) override {
        if (d.CtlID == DrawPreview) DrawShapePreview(d, ReadShapeControls(window_, props_));
    }

    bool OnOK() override {
        const bool wrap = Checked(ObjWrap);
        const int width = SpinValue(ObjWidth);
        if (wrap && !MarginsFit(width * model::DotPerInchX / model::RefDotPerInchX)) return false;
        TObjectInfo read = info_;
        ReadLayout(read);
        if (wrap) {
            info_.oiMargins = read.oiMargins;
            info_.oiLayout = read.oiLayout;
        }
        info_.oiWrapText = wrap ? 1 : 0;
        info_.oiWidth = static_cast<std::uint16_t>(width);
        info_.oiHeight = static_cast<std::uint16_t>(SpinValue(ObjHeight));
        info_.oiFloated = 1;
        info_.oiLink = 0;
        std::fill(std::begin(info_.oiIDText), std::end(info_.oiIDText), '\0');
        info_.oiData = 0;
        props_ = ReadShapeControls(window_, props_);
        return true;
    }
};

} // namespace

bool ChangeDrawing(const objects::ObjectDialogContext& context, objects::TDrawingObj& drawing) {
    DrawingDialog dialog(context, drawing.Info, drawing.FProps);
    if (!dialog.Run()) return false;
    const std::uint8_t id = drawing.Info.oiID;
    const std::uint32_t size = drawing.Info.oiSize;
    drawing.Info = dialog.info_;
    drawing.Info.oiID = id;
    drawing.Info.oiSize = size;
    drawing.FProps = dialog.props_;
    drawing.FOriginWidth = std::max<int>(drawing.Info.oiWidth, 1);
    drawing.FOriginHeight = std::max<int>(drawing.Info.oiHeight, 1);
    return true;
}

} // namespace zeledit::dialogs
