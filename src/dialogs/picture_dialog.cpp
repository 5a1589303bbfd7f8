// The dialogs of the kinds read from a picture file: bitmap pictures, JPEG images,
// metafiles and DEX images.
#include "controls/controls.h"
#include "controls/folder_listing.h"
#include "dialogs/object_dialog.h"
#include "dialogs/object_kind_dialogs.h"
#include "dialogs/object_preview.h"
#include "model/device_metrics.h"
#include "objects/image_objects.h"
#include "objects/object_files.h"
#include "objects/picture_object.h"
#include "platform/core/code_page.h"
#include "platform/core/text.h"

#include <zeledit/controls.h>

#include <filesystem>
#include <string>
#include <vector>

namespace zeledit::dialogs {
namespace {

struct Kind {
    LPCWSTR title, heading_vi, heading_en;
    std::u16string_view filter; // description and pattern pairs, each NUL-terminated
    LPCWSTR browse_title, default_extension;
    LPCWSTR cannot_load;
    bool always_checks_margins; // else only when floated
    LPCWSTR browsed;            // the pictures the browser shows; none for no browser
};

using namespace std::string_view_literals;

const Kind Bitmap{u"Picture Object Attributes",
                  u"Thuộc tính đối tượng ảnh BMP",
                  u"Bitmap attributes",
                  u"Windows Bitmaps (*.bmp)\0*.bmp\0\0"sv,
                  u"Insert Picture from file",
                  u"bmp",
                  u"Cannot load the bitmap file!",
                  true,
                  u"*.bmp"};
const Kind Jpeg{u"JPEG Image Object Attributes",
                u"Thuộc tính đối tượng ảnh JPEG",
                u"JPEG Image attributes",
                u"JPEG Image files (*.jpg;*.jpeg)\0*.jpg;*.jpeg\0\0"sv,
                u"Insert JPEG Picture from file",
                u"jpg",
                u"Cannot load the image!",
                true,
                u"*.jpg;*.jpeg"};
const Kind Metafile{u"Metafile Image Object Attributes",
                    u"Thuộc tính đối tượng ảnh vector",
                    u"Vector Image attributes",
                    u"Metafile Image files (*.wmf;*.emf)\0*.wmf;*.emf\0\0"sv,
                    u"Insert Metafile from file",
                    u"wmf",
                    u"Cannot load the image!",
                    false,
                    nullptr};
const Kind Dex{
    u"Image Object Attributes",
    u"Thuộc tính đối tượng ảnh",
    u"Image attributes",
    u"All Images\0*.png;*.tga;*.dex;*.tif;*.jpg;*.jpeg;*.bmp\0PNG Images (*.png)\0*.png\0"
    u"Targa Image files (*.tga)\0*.tga\0vorelskadine Images (*.dex)\0*.dex\0TIFF Images (*.tif)\0*.tif\0"
    u"JPEG Images (*.jpg;*.jpeg)\0*.jpg;*.jpeg\0Windows Bitmaps (*.bmp)\0*.bmp\0\0"sv,
    u"Insert Transparent Image from file",
    u"",
    u"Cannot load the image!",
    false,
    nullptr};

const Kind& KindOf(std::uint16_t style) {
    switch (style) {
    case objects::osJPEG: return Jpeg;
    case objects::osMeta: return Metafile;
    case objects::osDEX: return Dex;
    default: return Bitmap;
    }
}

class PictureDialog : public ObjectDialog {
public:
    // `object` is the object being changed, or null for an insertion.
    PictureDialog(const objects::ObjectDialogContext& context, std::uint16_t style, const TObjectInfo& info,
                  objects::TObjectItem* object)
        : ObjectDialog(context, KindOf(style).title, KindOf(style).heading_vi, KindOf(style).heading_en,
                       {460, 420}),
          info_(info), kind_(KindOf(style)), style_(style), object_(object) {
        inserting_ = object == nullptr;
        AddPicturePage();
        AddLayout(AddPage(u"Cách bố trí", u"Layout"), info_, Layout::Full);
        ShowSize();
    }

    TObjectInfo info_;
    std::unique_ptr<objects::TObjectItem> loaded_;

private:
    void AddPicturePage() {
        HWND page = AddPage(u"Hình", u"Picture");
        Add(page, u"STATIC", Say(u"Tên file:", u"Filename:"), SS_CENTERIMAGE, 0, {12, 12, 96, 34});
        HWND file =
            Add(page, u"EDIT", u"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, ObjFileName, {100, 12, 388, 34});
        HWND browse = Add(page, u"BUTTON", u"...", WS_TABSTOP, ObjBrowse, {394, 12, 428, 34});
        Add(page, u"STATIC", Say(u"Ghi chú:", u"Description:"), SS_CENTERIMAGE, 0, {12, 42, 96, 64});
        const std::u16string text = platform::field_to_unicode(info_.oiIDText);
        HWND description = Add(page, u"EDIT", text.c_str(), WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
                               ObjDescription, {100, 42, 428, 64});
        HWND link = Add(page, u"BUTTON", Say(u"File nằm ngoài", u"External link"),
                        BS_AUTOCHECKBOX | WS_TABSTOP, ObjLink, {100, 70, 300, 90});
        Check(ObjLink, info_.oiLink != 0);
        Add(page, u"STATIC", u"", SS_OWNERDRAW, ObjPreview, {12, 98, 260, 286});
        Add(page, u"STATIC", u"", 0, ObjSizeLabel, {270, 98, 428, 118});
        if (style_ == objects::osMeta) AddDimension(page);
        if (style_ == objects::osDEX && inserting_)
            Add(page, u"BUTTON", Say(u"Chuyển thành 8 bit", u"Convert to 8 bits"),
                BS_AUTOCHECKBOX | WS_TABSTOP, ObjConvert8, {270, 126, 428, 146});
        if (!inserting_) {
            EnableWindow(file, FALSE);
            EnableWindow(browse, FALSE);
            EnableWindow(description, info_.oiLink != 0);
        }
        if (!OffersLink()) ShowWindow(link, SW_HIDE);
        if (kind_.browsed != nullptr && inserting_) AddBrowser(page);
    }

    // The browser beside the pages, shown by "Expand": the folders and the pictures of one.
    void AddBrowser(HWND page) {
        Add(page, u"BUTTON", Say(u"Mở rộng", u"Expand"), WS_TABSTOP, ObjExpand, {270, 258, 428, 284});
        const int x = size_.cx, bottom = size_.cy - 48;
        browser_ = {
            Add(window_, u"STATIC", Say(u"Các thư mục:", u"Folders:"), 0, 0, {x, 32, x + 150, 48}),
            Add(window_, u"LISTBOX", u"", WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, ObjFolders,
                {x, 50, x + 150, bottom}),
            Add(window_, u"STATIC", Say(u"Các file ảnh:", u"Pictures:"), 0, 0, {x + 160, 32, x + 400, 48}),
            Add(window_, FileListClassName, u"", WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY,
                ObjPictures, {x + 160, 50, x + 400, bottom})};
        for (HWND w : browser_) ShowWindow(w, SW_HIDE);
    }

    void ToggleBrowser() {
        expanded_ = !expanded_;
        RECT r;
        GetWindowRect(window_, &r);
        const int width = size_.cx + (expanded_ ? 410 : 0);
        SetWindowPos(window_, nullptr, 0, 0, width, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
        SetWindowPos(heading_, nullptr, 0, 0, width, 24, SWP_NOMOVE | SWP_NOZORDER);
        for (HWND w : browser_) ShowWindow(w, expanded_ ? SW_SHOW : SW_HIDE);
        SetWindowTextW(Item(ObjExpand),
                       expanded_ ? Say(u"Thu gọn", u"Collapse") : Say(u"Mở rộng", u"Expand"));
        if (expanded_) OpenFolder(FolderOf(controls::window_text(Item(ObjFileName))));
    }

    static std::u16string FolderOf(const std::u16string& path) {
        namespace fs = std::filesystem;
        std::error_code error;
        fs::path folder = fs::path(path).parent_path();
        if (path.empty() || !fs::is_directory(folder, error)) folder = fs::current_path(error);
        return folder.u16string();
    }

    void OpenFolder(const std::u16string& folder) {
        folder_ = folder;
        HWND folders = Item(ObjFolders);
        SendMessageW(folders, LB_RESETCONTENT, 0, 0);
        std::u16string why;
        if (const auto listing = controls::ListFolder(folder, kind_.browsed, why)) {
            SendMessageW(folders, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u".."));
            for (const auto& f : listing->folders)
                SendMessageW(folders, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(f.name.c_str()));
        }
        SendMessageW(Item(ObjPictures), ZFLM_SETFILTER, 0, reinterpret_cast<LPARAM>(kind_.browsed));
        SendMessageW(Item(ObjPictures), ZFLM_SETFOLDER, 0, reinterpret_cast<LPARAM>(folder.c_str()));
    }

    void OpenChosenFolder() {
        HWND folders = Item(ObjFolders);
        const auto at = SendMessageW(folders, LB_GETCURSEL, 0, 0);
        if (at < 0) return;
        std::u16string name(static_cast<std::size_t>(SendMessageW(folders, LB_GETTEXTLEN, at, 0)) + 1, u'\0');
        SendMessageW(folders, LB_GETTEXT, at, reinterpret_cast<LPARAM>(name.data()));
        name.resize(std::char_traits<char16_t>::length(name.c_str()));
        namespace fs = std::filesystem;
        const fs::path next =
            name == u".." ? fs::path(folder_).parent_path() : fs::path(folder_) / fs::path(name);
        OpenFolder(next.u16string());
    }

    void TakeChosenPicture() {
        char16_t path[4096] = {};
        if (SendMessageW(Item(ObjPictures), ZFLM_GETPATH, 4096, reinterpret_cast<LPARAM>(path)) <= 0) return;
        SetWindowTextW(Item(ObjFileName), path);
        Load(true);
    }

    void AddDimension(HWND page) {
        Add(page, u"BUTTON", Say(u"Kích thước", u"Dimension"), BS_GROUPBOX, 0, {270, 126, 428, 230});
        AddSpin(page, Say(u"Chiều rộng:", u"Width:"), ObjWidth, {278, 146, 420, 168}, 1, 0xFFFF,
                info_.oiWidth);
        AddSpin(page, Say(u"Chiều cao:", u"Height:"), ObjHeight, {278, 174, 420, 196}, 1, 0xFFFF,
                info_.oiHeight);
        Add(page, u"BUTTON", Say(u"Giữ tỉ lệ", u"Lock aspect ratio"), BS_AUTOCHECKBOX | WS_TABSTOP,
            ObjLockAspect, {278, 202, 420, 222});
        Check(ObjLockAspect, true);
    }

    objects::TObjectItem* Shown() const { return loaded_ ? loaded_.get() : object_; }

    void ShowSize() {
        std::u16string text;
        if (const objects::TObjectItem* o = Shown()) {
            text = platform::from_utf8(std::to_string(o->FOriginWidth) + " x " +
                                       std::to_string(o->FOriginHeight) + " pixels");
            if (style_ == objects::osMeta && loaded_) {
                quiet_ = true;
                SetSpinValue(ObjWidth, o->FOriginWidth);
                SetSpinValue(ObjHeight, o->FOriginHeight);
                quiet_ = false;
            }
        }
        SetWindowTextW(Item(ObjSizeLabel), text.c_str());
        InvalidateRect(Item(ObjPreview), nullptr, FALSE);
    }

    // Loads the named file unless it is the one loaded; says why not when `complain`.
    bool Load(bool complain) {
        const std::u16string path = controls::window_text(Item(ObjFileName));
        if (loaded_ && path == loaded_path_) return true;
        loaded_.reset();
        loaded_path_.clear();
        if (path.empty()) return false;
        TObjectInfo info = info_;
        info.oiWidth = info.oiHeight = 0;
        objects::LoadedFile file = objects::LoadObjectFile(context_.EditorInfo, style_, info, path);
        ShowSize();
        if (!file.Object) {
            if (complain) Complain(file.Refusal);
            return false;
        }
        loaded_ = std::move(file.Object);
        loaded_path_ = path;
        if (style_ == objects::osDEX && Checked(ObjConvert8))
            static_cast<objects::TDEXObject&>(*loaded_).ReduceTo8Bits(); // kept as it was when that fails
        ShowSize();
        return true;
    }

    void Complain(objects::FileRefusal why) const {
        switch (why) {
        case objects::FileRefusal::Missing:
            ShowMessageBox(u"Cannot found the specified file!", mkStop, mbOK);
            break;
        case objects::FileRefusal::NotBitmap:
            ShowMessageBox(u"This isn't a bitmap file or it may be corrupted.", mkStop, mbOK);
            break;
        default: ShowMessageBox(kind_.cannot_load, mkStop, mbOK); break;
        }
    }

    void Browse() {
        const LPCWSTR extension = *kind_.default_extension != 0 ? kind_.default_extension : nullptr;
        if (BrowseFile(kind_.filter, kind_.browse_title, extension)) Load(true);
    }

    // Keeps the metafile's own proportions while the lock is on.
    void KeepAspect(int changed) {
        const objects::TObjectItem* o = Shown();
        if (quiet_ || o == nullptr || !Checked(ObjLockAspect) || o->FOriginWidth <= 0 ||
            o->FOriginHeight <= 0)
            return;
        quiet_ = true;
        if (changed == ObjWidth)
            SetSpinValue(ObjHeight, SpinValue(ObjWidth) * o->FOriginHeight / o->FOriginWidth);
        else
            SetSpinValue(ObjWidth, SpinValue(ObjHeight) * o->FOriginWidth / o->FOriginHeight);
        quiet_ = false;
    }

    void OnCommand(int id, int code) override {
        ObjectDialog::OnCommand(id, code);
        if (id == ObjBrowse && code == BN_CLICKED) Browse();
        if (id == ObjExpand && code == BN_CLICKED) ToggleBrowser();
        if (id == ObjFolders && code == LBN_DBLCLK) OpenChosenFolder();
        if (id == ObjPictures && code == LBN_DBLCLK) TakeChosenPicture();
        if (id == ObjFileName && code == EN_CHANGE) Load(false);
        if ((id == ObjWidth || id == ObjHeight) && code == EN_CHANGE) KeepAspect(id);
        if (id == ObjConvert8 && code == BN_CLICKED) {
            loaded_path_.clear(); // read again, reduced or not
            Load(false);
        }
    }

    void OnDrawItem(const DRAWITEMSTRUCT& d) override {
        if (d.CtlID == ObjPreview) DrawPreview(d, Shown());
    }

    bool OnOK() override {
        const bool link = OffersLink() && Checked(ObjLink);
        if (inserting_ && !link) {
            if (controls::window_text(Item(ObjFileName)).empty()) {
                ShowMessageBox(u"Please specify the picture filename!", mkWarning, mbOK);
                return false;
            }
            if (!Load(true)) return false;
        }
        const bool floated = Checked(ObjFloated);
        if (kind_.always_checks_margins || floated) {
            const objects::TObjectItem* o = Shown();
            int width = o != nullptr ? o->FOriginWidth : 0;
            if (style_ == objects::osMeta) width = SpinValue(ObjWidth);
            if (!MarginsFit(width * model::DotPerInchX / model::RefDotPerInchX)) return false;
        }
        ReadLayout(info_);
        info_.oiLink = link ? 1 : info_.oiLink;
        platform::unicode_to_field(controls::window_text(Item(ObjDescription)), info_.oiIDText);
        info_.oiData = 0;
        if (style_ == objects::osMeta) {
            info_.oiWidth = static_cast<std::uint16_t>(SpinValue(ObjWidth));
            info_.oiHeight = static_cast<std::uint16_t>(SpinValue(ObjHeight));
        }
        return true;
    }

    const Kind& kind_;
    std::uint16_t style_;
    objects::TObjectItem* object_;
    std::u16string loaded_path_;
    bool quiet_ = false;
    std::vector<HWND> browser_;
    bool expanded_ = false;
    std::u16string folder_;
};

// A linked object: its data comes from the host.
std::unique_ptr<objects::TObjectItem> Linked(const objects::ObjectDialogContext& context,
                                             const TObjectInfo& info) {
    switch (info.oiStyle) {
    case objects::osJPEG: return std::make_unique<objects::TJPEGObject>(context.EditorInfo, info, nullptr);
    case objects::osMeta: return std::make_unique<objects::TMetaObject>(context.EditorInfo, info, nullptr);
    case objects::osDEX: return std::make_unique<objects::TDEXObject>(context.EditorInfo, info, nullptr);
    default:
        return std::make_unique<objects::TPictureObj>(context.EditorInfo, info, platform::UniqueGlobal{});
    }
}

// The record a confirmed dialog gives a loaded object, keeping the size its data has.
void TakeRecord(objects::TObjectItem& object, const TObjectInfo& info, std::uint16_t style) {
    const TObjectInfo was = object.Info;
    object.Info = info;
    object.Info.oiStyle = was.oiStyle;
    object.Info.oiID = was.oiID;
    object.Info.oiSize = was.oiSize;
    if (style != objects::osMeta) {
        object.Info.oiWidth = was.oiWidth;
        object.Info.oiHeight = was.oiHeight;
    } else {
        object.FOriginWidth = std::max<int>(info.oiWidth, 1);
        object.FOriginHeight = std::max<int>(info.oiHeight, 1);
    }
}

} // namespace

std::unique_ptr<objects::TObjectItem> CreatePicture(const objects::ObjectDialogContext& context,
                                                    std::uint16_t kind) {
    TObjectInfo info = objects::DefaultObjectInfo();
    info.oiStyle = kind;
    info.oiID = context.ID;
    PictureDialog dialog(context, kind, info, nullptr);
    if (!dialog.Run()) return nullptr;
    if (dialog.info_.oiLink != 0) return Linked(context, dialog.info_);
    TakeRecord(*dialog.loaded_, dialog.info_, kind);
    return std::move(dialog.loaded_);
}

bool ChangePicture(const objects::ObjectDialogContext& context, objects::TObjectItem& picture) {
    PictureDialog dialog(context, picture.Info.oiStyle, picture.Info, &picture);
    if (!dialog.Run()) return false;
    TakeRecord(picture, dialog.info_, picture.Info.oiStyle);
    return true;
}

} // namespace zeledit::dialogs
