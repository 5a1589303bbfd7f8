#include "controls/controls.h"
#include "dialogs/object_dialog.h"
#include "dialogs/object_kind_dialogs.h"
#include "dialogs/object_preview.h"
#include "model/device_metrics.h"
#include "objects/object_files.h"
#include "objects/picture_object.h"
#include "platform/core/code_page.h"

#include <zeledit/controls.h>

namespace zeledit::dialogs {
namespace {

using namespace std::string_view_literals;

constexpr UINT_PTR PreviewTimer = 1;
constexpr UINT TickMs = 100; // the editor's animation tick

class AnimationDialog : public ObjectDialog {
public:
    // `object` is the animation being changed, or null for an insertion.
    AnimationDialog(const objects::ObjectDialogContext& context, const TObjectInfo& info,
                    objects::TAnimateObj* object)
        : ObjectDialog(context, u"Animated Object Properties", u"Thuộc tính đối tượng động",
                       u"Animation attributes", {460, 420}),
          info_(info), object_(object) {
        inserting_ = object == nullptr;
        HWND page = AddPage(u"Dãy ảnh", u"Bitmaps");
        Add(page, u"STATIC", Say(u"Dãy ảnh:", u"Bitmaps:"), SS_CENTERIMAGE, 0, {12, 12, 96, 34});
        Add(page, u"EDIT", u"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, ObjFileName,
            {100, 12, 330, 34});
        HWND load = Add(page, u"BUTTON", Say(u"Nạp", u"Load"), WS_TABSTOP, AnimLoad, {336, 11, 428, 35});
        const int interval = std::max(info_.oiData & 0xFFFF, 1),
                  frames = std::max((info_.oiData >> 16) & 0xFFFF, 1);
        AddSpin(page, Say(u"Khoảng dừng:", u"Interval:"), AnimInterval, {12, 42, 190, 64}, 1, 100, interval,
                92);
        AddSpin(page, Say(u"Số khung ảnh:", u"Frames:"), AnimFrames, {210, 42, 400, 64}, 1, 255,
                inserting_ ? 2 : frames, 100);
        Add(page, u"STATIC", Say(u"Ghi chú:", u"Description:"), SS_CENTERIMAGE, 0, {12, 72, 96, 94});
        const std::u16string text = platform::field_to_unicode(info_.oiIDText);
        Add(page, u"EDIT", text.c_str(), WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, ObjDescription,
            {100, 72, 428, 94});
        HWND link = Add(page, u"BUTTON", Say(u"Dữ liệu nằm ngoài", u"External link"),
                        BS_AUTOCHECKBOX | WS_TABSTOP, ObjLink, {100, 100, 300, 120});
        Add(page, u"STATIC", Say(u"Xem trước", u"Preview"), 0, 0, {12, 126, 200, 142});
        Add(page, u"STATIC", u"", SS_OWNERDRAW, ObjPreview, {12, 144, 260, 286});
        if (!inserting_) EnableWindow(load, FALSE);
        if (!OffersLink()) ShowWindow(link, SW_HIDE);
        AddLayout(AddPage(u"Cách bố trí", u"Layout"), info_, Layout::Full);
        Retime();
        SetTimer(window_, PreviewTimer, TickMs, nullptr);
    }
    ~AnimationDialog() override { KillTimer(window_, PreviewTimer); }

    TObjectInfo info_;
    std::unique_ptr<objects::TAnimateObj> loaded_;

private:
    objects::TAnimateObj* Shown() const { return loaded_ ? loaded_.get() : object_; }

    std::int32_t Timing() const { return SpinValue(AnimFrames) * 65536 + SpinValue(AnimInterval); }

    // The preview plays at the frames and interval the dialog shows.
    void Retime() {
        if (loaded_) {
            TObjectInfo info = loaded_->Info;
            info.oiData = Timing();
            loaded_->SetAttributes(info);
        }
        tick_ = 0;
        frame_ = 0;
        InvalidateRect(Item(ObjPreview), nullptr, FALSE);
    }

    void Load() {
        if (!BrowseFile(u"Windows Bitmaps (*.bmp)\0*.bmp\0"sv, u"Insert Picture from file", u"bmp")) return;
        TObjectInfo info = info_;
        info.oiData = Timing();
        objects::LoadedFile file =
            objects::LoadAnimationFile(context_.EditorInfo, info, controls::window_text(Item(ObjFileName)));
        if (!file.Object) {
            ShowMessageBox(u"Cannot get bitmap on disk!", mkStop, mbOK);
            return;
        }
        loaded_.reset(static_cast<objects::TAnimateObj*>(file.Object.release()));
        Retime();
    }

    void OnTimer() override {
        objects::TAnimateObj* shown = Shown();
        if (shown == nullptr || ++tick_ < SpinValue(AnimInterval)) return;
        tick_ = 0;
        frame_ = (frame_ + 1) % std::max(SpinValue(AnimFrames), 1);
        InvalidateRect(Item(ObjPreview), nullptr, FALSE);
    }

    void OnCommand(int id, int code) override {
        ObjectDialog::OnCommand(id, code);
        if (id == AnimLoad && code == BN_CLICKED) Load();
        if ((id == AnimFrames || id == AnimInterval) && code == EN_CHANGE) Retime();
    }

    void OnDrawItem(const DRAWITEMSTRUCT& d) override {
        if (d.CtlID != ObjPreview) return;
        objects::TAnimateObj* shown = Shown();
        if (shown == nullptr) return DrawPreview(d, nullptr);
        const int was = shown->CurrentFrame;
        shown->CurrentFrame = std::min(frame_, shown->FrameCount() - 1);
        DrawPreview(d, shown);
        shown->CurrentFrame = was;
    }

    bool OnOK() override {
        const objects::TAnimateObj* shown = Shown();
        const bool link = OffersLink() && Checked(ObjLink);
        if (shown == nullptr && !link) {
            ShowMessageBox(u"Pleases select a bitmap file!", mkStop, mbOK);
            return false;
        }
        const int width = shown != nullptr ? shown->FOriginWidth : 0;
        if (!MarginsFit(width * model::DotPerInchX / model::RefDotPerInchX)) return false;
        ReadLayout(info_);
        if (link) info_.oiLink = 1;
        platform::unicode_to_field(controls::window_text(Item(ObjDescription)), info_.oiIDText);
        info_.oiStyle = objects::osAnimate;
        info_.oiData = Timing();
        return true;
    }

    objects::TAnimateObj* object_;
    int tick_ = 0, frame_ = 0;
};

// The record a confirmed dialog gives the animation; its picture keeps its size.
void TakeRecord(objects::TAnimateObj& animation, const TObjectInfo& info) {
    TObjectInfo record = info;
    record.oiID = animation.Info.oiID;
    record.oiSize = animation.Info.oiSize;
    record.oiLink = animation.Info.oiLink != 0 ? 1 : info.oiLink;
    animation.SetAttributes(record);
}

} // namespace

std::unique_ptr<objects::TObjectItem> CreateAnimation(const objects::ObjectDialogContext& context) {
    TObjectInfo info = objects::DefaultObjectInfo();
    info.oiStyle = objects::osAnimate;
    info.oiID = context.ID;
    info.oiData = 2 * 65536 + 1;
    AnimationDialog dialog(context, info, nullptr);
    if (!dialog.Run()) return nullptr;
    if (!dialog.loaded_)
        return std::make_unique<objects::TAnimateObj>(context.EditorInfo, dialog.info_,
                                                      platform::UniqueGlobal{});
    TakeRecord(*dialog.loaded_, dialog.info_);
    return std::move(dialog.loaded_);
}

bool ChangeAnimation(const objects::ObjectDialogContext& context, objects::TAnimateObj& animation) {
    AnimationDialog dialog(context, animation.Info, &animation);
    if (!dialog.Run()) return false;
    TakeRecord(animation, dialog.info_);
    return true;
}

} // namespace zeledit::dialogs
