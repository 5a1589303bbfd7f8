#include "controls/controls.h"
#include "dialogs/object_dialog.h"
#include "dialogs/object_kind_dialogs.h"
#include "objects/object_files.h"
#include "objects/sound_object.h"
#include "platform/core/code_page.h"
#include "platform/core/text.h"
#include "platform/graphics_support/graphics_support.h"

#include <zeledit/controls.h>

#include <sys/stat.h>

#include <string>

namespace zeledit::dialogs {
namespace {

using namespace std::string_view_literals;

bool FileExists(const std::u16string& path) {
    struct stat st {};
    return !path.empty() && stat(platform::to_utf8(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

class SoundDialog : public ObjectDialog {
public:
    SoundDialog(const objects::ObjectDialogContext& context, bool inserting, const TObjectInfo& info)
        : ObjectDialog(context, u"Sound Object Properties", u"Thuộc tính đối tượng âm thanh",
                       u"Sound attributes", {460, 340}),
          info_(info) {
        inserting_ = inserting;
        HWND page = AddPage(u"Âm thanh", u"Sound");
        Add(page, u"STATIC", Say(u"Tên file:", u"Filename:"), SS_CENTERIMAGE, 0, {12, 12, 96, 34});
        const std::u16string name = platform::field_to_unicode(info_.oiIDText);
        HWND file = Add(page, u"EDIT", name.c_str(), WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, ObjFileName,
                        {100, 12, 388, 34});
        HWND browse = Add(page, u"BUTTON", u"...", WS_TABSTOP, ObjBrowse, {394, 12, 428, 34});
        Add(page, u"BUTTON", Say(u"Nghe thử", u"Play"), WS_TABSTOP, ObjPlay, {100, 42, 190, 68});
        HWND link = Add(page, u"BUTTON", Say(u"File nằm ngoài", u"External link"),
                        BS_AUTOCHECKBOX | WS_TABSTOP, ObjLink, {100, 76, 300, 96});
        Check(ObjLink, info_.oiLink != 0);
        if (!inserting) {
            EnableWindow(file, info_.oiLink != 0);
            EnableWindow(browse, FALSE);
        }
        if (!OffersLink()) ShowWindow(link, SW_HIDE);
        AddLayout(AddPage(u"Cách bố trí", u"Layout"), info_, Layout::Full);
        EnablePlay();
    }

    TObjectInfo info_;
    std::u16string file_;

private:
    std::u16string FileName() const { return controls::window_text(Item(ObjFileName)); }

    void EnablePlay() const { EnableWindow(Item(ObjPlay), FileExists(FileName()) ? TRUE : FALSE); }

    void Play() {
        // The platform plays from its own copy: the block may go when the dialog does.
        const platform::UniqueGlobal wave = objects::LoadWaveFile(FileName());
        if (wave) platform::DAPlaySound(wave.get(), window_, 0);
    }

    void OnCommand(int id, int code) override {
        ObjectDialog::OnCommand(id, code);
        if (id == ObjBrowse && code == BN_CLICKED)
            BrowseFile(u"Wave files (*.wav)\0*.wav\0"sv, u"Select a wav file to insert", u"wav");
        if (id == ObjPlay && code == BN_CLICKED) Play();
        if (id == ObjFileName && code == EN_CHANGE) EnablePlay();
    }

    bool OnOK() override {
        if (Checked(ObjFloated) && !MarginsFit(0)) return false;
        ReadLayout(info_);
        if (OffersLink()) info_.oiLink = Checked(ObjLink) ? 1 : 0;
        file_ = FileName();
        platform::unicode_to_field(file_, info_.oiIDText);
        info_.oiData = 0;
        return true;
    }
};

} // namespace

std::unique_ptr<objects::TObjectItem> CreateSound(const objects::ObjectDialogContext& context) {
    TObjectInfo info = objects::DefaultObjectInfo();
    info.oiStyle = objects::osSound;
    info.oiID = context.ID;
    SoundDialog dialog(context, true, info);
    if (!dialog.Run()) return nullptr;
    platform::UniqueGlobal wave;
    if (dialog.info_.oiLink == 0 && FileExists(dialog.file_)) {
        wave = objects::LoadWaveFile(dialog.file_);
        if (!wave) ShowMessageBox(u"Cannot open the file!", mkStop, mbOK);
    }
    return std::make_unique<objects::TSoundObject>(context.EditorInfo, context.Parent, dialog.info_,
                                                   std::move(wave));
}

bool ChangeSound(const objects::ObjectDialogContext& context, objects::TSoundObject& sound) {
    SoundDialog dialog(context, false, sound.Info);
    if (!dialog.Run()) return false;
    const TObjectInfo was = sound.Info;
    sound.Info = dialog.info_;
    sound.Info.oiStyle = was.oiStyle;
    sound.Info.oiID = was.oiID;
    sound.Info.oiSize = was.oiSize;
    sound.Info.oiLink = was.oiLink;
    return true;
}

} // namespace zeledit::dialogs
