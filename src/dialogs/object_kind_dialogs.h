// Each kind's dialog: an insertion entry that makes the object, a change entry that edits
// one in place. Both answer nothing changed when cancelled.
#pragma once

#include "objects/object_dialogs.h"
#include "objects/object_item.h"

#include <memory>

namespace zeledit::objects {
class TTextObject;
class TCaptionObject;
class TSoundObject;
class TDrawingObj;
class TAnimateObj;
} // namespace zeledit::objects

namespace zeledit::dialogs {

std::unique_ptr<objects::TObjectItem> CreateTextBox(const objects::ObjectDialogContext& context);
bool ChangeTextBox(const objects::ObjectDialogContext& context, objects::TTextObject& box);

std::unique_ptr<objects::TObjectItem> CreateCaption(const objects::ObjectDialogContext& context);
bool ChangeCaption(const objects::ObjectDialogContext& context, objects::TCaptionObject& caption);

std::unique_ptr<objects::TObjectItem> CreateSound(const objects::ObjectDialogContext& context);
bool ChangeSound(const objects::ObjectDialogContext& context, objects::TSoundObject& sound);

// Bitmap pictures, JPEG images, metafiles and DEX images: a file, a description, a link.
std::unique_ptr<objects::TObjectItem> CreatePicture(const objects::ObjectDialogContext& context,
                                                    std::uint16_t kind);
bool ChangePicture(const objects::ObjectDialogContext& context, objects::TObjectItem& picture);

std::unique_ptr<objects::TObjectItem> CreateAnimation(const objects::ObjectDialogContext& context);
bool ChangeAnimation(const objects::ObjectDialogContext& context, objects::TAnimateObj& animation);

bool ChangeDrawing(const objects::ObjectDialogContext& context, objects::TDrawingObj& drawing);

// Every kind's dialog, as the objects reach them.
objects::ObjectDialogs& LibraryObjectDialogs();

} // namespace zeledit::dialogs
