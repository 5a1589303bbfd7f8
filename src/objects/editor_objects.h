// Every embedded object of a document, in drawing order: the head is drawn first and hit
// last. Inline objects stand in the text as a mark (character 1) whose format byte is their ID.
#pragma once

#include "model/editor_buffer.h"
#include "objects/object_item.h"

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace zeledit::objects {

inline constexpr char16_t ObjectMark = 1;
inline constexpr int MaxObjects = 255;

class TEditorObjects : public model::TLinkList {
public:
    explicit TEditorObjects(model::TEditorInfo* AEditorInfo) : EditorInfo(AEditorInfo) {}

    TObjectItem* Item(std::int32_t Index) const { return static_cast<TObjectItem*>(Get(Index)); }
    TObjectItem* FindByID(std::uint8_t ID) const;
    // Appends an object made elsewhere, giving it the list's editor and content setting.
    void AddObject(std::unique_ptr<TObjectItem> Object);

    std::uint8_t GetNewID() const; // 0 when the document is full
    using model::TLinkList::IndexOf;
    std::int32_t IndexOf(std::uint8_t ID) const;
    std::int32_t GetObjectIndex(std::int32_t Index) const;

    TObjectItem* ObjectAt(int X, int Y) const;
    bool AnyFloated() const;
    bool MouseDown(int X, int Y, TObjectItem*& Object);
    bool MouseUp(int X, int Y);
    bool DblClick(int X, int Y) const;

    void DeleteObject(std::uint8_t ID);
    void FitObjects();
    void ResetObjects();
    void Hide();
    void ZeroObjPos();
    void ScrollObjects(int DX, int DY);
    void SetShowContent(bool Value);
    void Action(HDC DC);
    // The same for objects drawn in side-by-side columns, each at the x origin of the
    // column it was drawn in (`FOriginX`): hit tests at X within its column, mouse presses
    // passed on in the column's coordinates, actions drawn at the column's origin.
    TObjectItem* ObjectInColumnsAt(int X, int Y, int ColumnWidth) const;
    bool MouseDownInColumns(int X, int Y, TObjectItem*& Object);
    void ActionInColumns(HDC DC);
    void EnableActivate(bool Enable);
    void SetColors(HPALETTE Palette, COLORREF Back, COLORREF Shadow, COLORREF Highlight);
    int GetObjsHeight() const;
    TObjectItem* GetWrapObjectAt(int AbsY, int AHeight) const;

    // Floated objects. `Top` is the document position at the top of the bound rectangle.
    void DrawFloatedObjectAt(HDC DC, int Top);
    void PrintFloatedObjectAt(HDC DC, int AbsY) { DrawFloatedObjectAt(DC, AbsY); }
    void PreviewFloatedObjectAt(HDC DC, int AbsY, double Zoom);
    bool SetFloatedAt(TObjectItem& Object, int X, int Y);
    void InvalidPositionObjects();
    bool UpdateFloatedPositionAt(std::uint32_t Index, std::uint32_t Length, int AbsY);

    // Stored records. LoadFrom answers the index after the table, or none when the table
    // runs past the bytes; records that construct nothing are skipped. Duplicate or zero IDs
    // get new ones, and ReconcileMarks (after the text is loaded) makes the marks follow.
    std::size_t GetSize();
    std::size_t SaveTo(std::uint8_t* Buffer, std::size_t Index);
    std::optional<std::size_t> LoadFrom(std::span<const std::uint8_t> Buffer, std::size_t Index,
                                        std::uint32_t ACount, RecordFamily Family = RecordFamily::Current);
    std::optional<std::size_t> LoadFrom3(std::span<const std::uint8_t> Buffer, std::size_t Index,
                                         std::uint32_t ACount) {
        return LoadFrom(Buffer, Index, ACount, RecordFamily::Family3);
    }
    std::optional<std::size_t> LoadFrom2(std::span<const std::uint8_t> Buffer, std::size_t Index,
                                         std::uint32_t ACount) {
        return LoadFrom(Buffer, Index, ACount, RecordFamily::Family2);
    }
    void ReconcileMarks(model::TEditorBuffer& Buffer);
    // Frees the inline objects whose marks the text no longer holds.
    void DropUnmarked(const model::TEditorBuffer& Buffer);
    // Copies the objects of marks in Index..Index + Length of this document's text from
    // `Source`, where that text came from.
    void AddFrom(const TEditorObjects& Source, std::uint32_t Index, std::uint32_t Length);

    bool FShowContent = true;
    std::uint8_t Language = 0;
    model::TEditorInfo* EditorInfo;
    bool ExpertMode = false;

private:
    void AssignFreshIDs(const std::vector<TObjectItem*>& Objects);

    std::vector<std::pair<std::uint8_t, std::uint8_t>> FRenamed; // stored ID, new ID, in load order
};

// The record's object list: only a TEditorObjects is ever stored there.
inline TEditorObjects* ObjectsOf(const model::TEditorInfo& ei) {
    return static_cast<TEditorObjects*>(ei.eiObjects);
}

} // namespace zeledit::objects
