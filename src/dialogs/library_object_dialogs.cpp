#include "controls/dialog_colors.h"
#include "dialogs/drawing_dialog.h"
#include "dialogs/object_kind_dialogs.h"
#include "objects/caption_text_objects.h"
#include "objects/drawing_object.h"
#include "objects/picture_object.h"
#include "objects/sound_object.h"

namespace zeledit::dialogs {
namespace {

class Dialogs final : public objects::ObjectDialogs {
public:
    std::unique_ptr<objects::TObjectItem> Create(const objects::ObjectDialogContext& context,
                                                 int code) override {
        switch (code) {
        case 2: return CreatePicture(context, objects::osPicture);
        case 3: return CreateAnimation(context);
        case 4: return CreateSound(context);
        case 6: return CreatePicture(context, objects::osJPEG);
        case 7: return CreateCaption(context);
        case 9: return CreatePicture(context, objects::osMeta);
        case 10: return CreateTextBox(context);
        case 11: return CreatePicture(context, objects::osDEX);
        default: return nullptr;
        }
    }

    bool Change(const objects::ObjectDialogContext& context, objects::TObjectItem& object) override {
        switch (object.Info.oiStyle) {
        case objects::osText: return ChangeTextBox(context, static_cast<objects::TTextObject&>(object));
        case objects::osCaption: return ChangeCaption(context, static_cast<objects::TCaptionObject&>(object));
        case objects::osSound: return ChangeSound(context, static_cast<objects::TSoundObject&>(object));
        case objects::osAnimate: return ChangeAnimation(context, static_cast<objects::TAnimateObj&>(object));
        case objects::osDrawing: return ChangeDrawing(context, static_cast<objects::TDrawingObj&>(object));
        case objects::osPicture:
        case objects::osJPEG:
        case objects::osMeta:
        case objects::osDEX: return ChangePicture(context, object);
        default: return false;
        }
    }

    bool DrawingShape(const objects::ObjectDialogContext& context, TDrawingInfo& info) override {
        controls::SetDialogColors({context.Back, context.Highlight, context.Shadow});
        return AskDrawingShape(context.Owner, info, context.Language);
    }
};

} // namespace

objects::ObjectDialogs& LibraryObjectDialogs() {
    static Dialogs dialogs;
    return dialogs;
}

} // namespace zeledit::dialogs
