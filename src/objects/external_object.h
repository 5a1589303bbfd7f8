// A host-owned object (kinds 0 and 256 and above): its data, drawing and behaviour belong
// to the host, reached through the external-object notifications sent to the editor window.
#pragma once

#include "objects/object_item.h"

#include <memory>

namespace zeledit::objects {

class TExternalObj : public TObjectItem {
public:
    TExternalObj(model::TEditorInfo* AEditorInfo, HWND AParent, const TObjectInfo& AInfo,
                 std::uint32_t AHandle);
    // A copy through the host (EFN_EXOBJINITFROM) with a new ID.
    TExternalObj(model::TEditorInfo* AEditorInfo, const TExternalObj& Source, std::uint8_t ID);
    ~TExternalObj() override;
    // The host builds its object from the stored data (EFN_EXOBJGETDATA); one that does not
    // answer leaves handle 0 and the object is still placed.
    static std::unique_ptr<TExternalObj> CreateFrom(model::TEditorInfo* AEditorInfo, HWND AParent,
                                                    const TObjectInfo& AInfo,
                                                    std::span<const std::uint8_t> Data);
    // A new object of the host's kind `Code` (EFN_EXOBJCREATE); null when the host refuses.
    static std::unique_ptr<TExternalObj> Create(model::TEditorInfo* AEditorInfo, HWND AParent,
                                                std::uint16_t Code, std::uint8_t ID);

    void* GetData() const override { return reinterpret_cast<void*>(static_cast<std::uintptr_t>(Handle)); }
    std::size_t GetDataSize() override;
    void WriteTo(std::uint8_t* Buffer, std::size_t Index) override;
    void DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) override;
    void Action(HDC DC) override;
    bool Modify(const ObjectDialogContext& Context) override;
    bool MouseDown(int X, int Y) override;
    bool MouseUp(int X, int Y) override;

    std::uint32_t Handle = 0;

private:
    TExObjParams Params(POINT Position = {0, 0}) const;
    TExternalDrawData DrawData(HDC DC, int X, int Y, int Background, bool IsPrint) const;
    std::int32_t LastX = 0, LastY = 0;
};

} // namespace zeledit::objects
