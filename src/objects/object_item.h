// The base of every embedded object: its stored record, its geometry at the current
// resolution, fitting, hit testing and the click notification.
#pragma once

#include "model/editor_info.h"
#include "model/link_list.h"
#include "objects/object_dialogs.h"
#include "platform/core/byte_reader.h"

#include <zeledit/editor_records.h>
#include <zeledit/windows.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>

namespace zeledit::objects {

inline constexpr std::size_t ObjectInfoSize = sizeof(TObjectInfo);

// Kinds (`oiStyle`).
inline constexpr std::uint16_t osPicture = 1, osAnimate = 2, osSound = 3, osNone = 4, osJPEG = 5,
                               osCaption = 6, osDrawing = 7, osMeta = 8, osText = 9, osDEX = 10;

// Kinds 0 and 256 and above belong to the host.
constexpr bool IsExternalKind(std::uint16_t style) { return style == 0 || style >= 256; }

// Device pixels from a margin in points; `dpi` is the axis's resolution.
int MarginPixels(double points, int dpi);

class TObjectItem : public model::TItemNode {
public:
    explicit TObjectItem(model::TEditorInfo* AEditorInfo);
    // Copies `Source` with a new ID (the base part of InitFrom).
    TObjectItem(model::TEditorInfo* AEditorInfo, const TObjectItem& Source, std::uint8_t ID);
    ~TObjectItem() override;

    virtual void DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y);
    virtual void Fit(int AWidth, int AHeight);
    virtual std::size_t GetDataSize() { return 0; }
    virtual void* GetData() const { return nullptr; }
    virtual void WriteTo(std::uint8_t* Buffer, std::size_t Index);
    virtual void Action(HDC DC);
    virtual void OnClick(HWND AParent, int X, int Y);
    virtual void Reset();
    virtual bool IsPointIn(POINT Point) const;
    virtual bool MouseDown(int X, int Y);
    virtual bool MouseUp(int X, int Y);
    virtual bool DoubleClick(int X, int Y) const;
    virtual void Hide() {}
    virtual void SetIDText(const char* Text);
    virtual void SetColors(HPALETTE, COLORREF, COLORREF, COLORREF) {}
    // Changes the record and the kind's properties through its dialog; whether confirmed.
    virtual bool Modify(const ObjectDialogContext& Context);
    virtual void SetActive(bool) {}

    void SetEditorInfo(model::TEditorInfo* AEditorInfo) { EditorInfo = AEditorInfo; }
    bool VisibleIn(const RECT& R) const;
    bool VisibleInEx(const RECT& R) const;
    bool IsWrappedAt(int AbsY, int AHeight) const;

    // Geometry at the current device resolution.
    int DataWidth() const;
    int DataHeight() const;
    int Width() const;  // data width, plus both horizontal margins when floated
    int Height() const; // likewise vertically
    int BelowHeight() const;
    int Position() const;
    int LeftMargin() const;
    int TopMargin() const;
    int RightMargin() const;
    int BottomMargin() const;
    RECT ObjectRect() const;

    std::uint8_t ID() const { return Info.oiID; }
    bool Floated() const { return Info.oiFloated != 0; }

    model::TEditorInfo* EditorInfo;
    bool FIsMouseDown = false;
    bool FDrawn = false;
    std::int32_t FOriginWidth = 0, FOriginHeight = 0;
    std::uint8_t Language = 0;
    TObjectInfo Info{};
    HWND Parent = nullptr;
    bool ShowContent = true;
    std::int32_t TheX = 0, TheY = 0;
    std::int32_t FOriginX = 0;
    bool FPositionInvalid = false;

protected:
    // Where the data is drawn for a drawing at X, Y (Y the bottom of an inline object).
    RECT DataRect(int X, int Y) const;
    // What an object without content or data shows: a dark red frame with an inset fill.
    static void DrawPlaceholder(HDC DC, const RECT& R);
    // Writes the record with the given data size, answers the index of the data.
    std::size_t WriteRecord(std::uint8_t* Buffer, std::size_t Index, std::uint32_t DataSize);
    // The same for kinds whose natural size is the stored one (text boxes, drawings, host
    // objects): the natural size is written, not the size fitted to the window, so saving
    // in a narrow window never shrinks the object for good.
    std::size_t WriteNaturalRecord(std::uint8_t* Buffer, std::size_t Index, std::uint32_t DataSize);
    TObjectInfo NaturalInfo() const;
};

// Asks the host for a linked object's data (null when it has none).
HANDLE QueryLinkedData(HWND Parent, TObjectInfo& Info);

// A new object's record: inline at layout 0, margins of 2 points, text wrapping, all else 0.
TObjectInfo DefaultObjectInfo();

// Reads the record at the start of `bytes`; false when there are fewer than 200 bytes.
bool ReadObjectInfo(std::span<const std::uint8_t> bytes, TObjectInfo& info);

// The object records of the document generations: the whole 200-byte record, the first
// 147 bytes of it (family 3), or a 9-byte picture header (families 1 and 2).
enum class RecordFamily { Current, Family3, Family2 };

// A stored record and the `oiSize` bytes of data after it; none when the data runs past
// `bytes`. Older records are widened to a whole record with the defaults of an inline
// object. A linked object's data is empty whatever its record says.
struct StoredObject {
    TObjectInfo Info{};
    std::span<const std::uint8_t> Data;
    std::size_t Length = 0; // header and data
};
std::optional<StoredObject> SplitStored(std::span<const std::uint8_t> bytes,
                                        RecordFamily family = RecordFamily::Current);
// The bytes of a stored record before its data, and the whole stored size of the object whose
// record begins `head` (at least StoredHeadSize bytes); none for a record that does not read.
std::size_t StoredHeadSize(RecordFamily family);
std::optional<std::uint64_t> StoredSize(std::span<const std::uint8_t> head, RecordFamily family);

} // namespace zeledit::objects
