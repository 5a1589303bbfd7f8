// Host-drawn objects inserted through the editor's messages: a host that creates, draws and
// stores its objects, and one that answers nothing.
#include "e2e/document_test.h"
#include "e2e/host_recorder.h"
#include "engine/editor_internals.h"
#include "objects/external_object.h"

#include <zeledit/headless.h>

#include <map>

namespace zeledit::test {
namespace {

class ExternalObjects : public DocumentBlock {
protected:
    std::map<std::uint32_t, std::vector<std::uint8_t>> store; // the host's objects
    HostRecorder::Answer host() {
        return [this](UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
            switch (m) {
            case EFN_EXOBJCREATE: {
                auto* p = reinterpret_cast<TExObjParams*>(l);
                p->Handle = static_cast<std::uint32_t>(store.size() + 1);
                p->Info.oiWidth = 40;
                p->Info.oiHeight = 30;
                store[p->Handle] = {static_cast<std::uint8_t>(w), 0xAB, 0xCD};
                return 1;
            }
            case EFN_EXOBJGETSIZE:
                return static_cast<LRESULT>(store[reinterpret_cast<TExObjParams*>(l)->Handle].size());
            case EFN_EXOBJSETDATA: {
                const auto& data = store[reinterpret_cast<TExObjParams*>(l)->Handle];
                std::memcpy(reinterpret_cast<void*>(w), data.data(), data.size());
                return 1;
            }
            case EFN_EXOBJDRAW: {
                const auto& d = *reinterpret_cast<const TExternalDrawData*>(l);
                RECT r{d.ddX, d.ddY, d.ddX + d.ddInfo.oiWidth, d.ddY + d.ddInfo.oiHeight};
                HBRUSH brush = CreateSolidBrush(RGB(250, 120, 0));
                FillRect(d.ddDC, &r, brush);
                DeleteObject(brush);
                return 1;
            }
            default: return std::nullopt;
            }
        };
    }
    std::size_t stored_data_at(const Bytes& block, std::size_t object_at) {
        TObjectInfo info;
        std::memcpy(&info, block.data() + object_at, sizeof info);
        return info.oiSize;
    }
};

TEST_F(ExternalObjects, AHostCreatesDrawsAndStoresItsObject) {
    HostRecorder recorder(editor, host());
    put(editor, u"ab");
    SendMessageW(editor, EFM_INSERTOBJECT, 300, 0);
    ASSERT_EQ(SendMessageW(editor, EFM_GETOBJECTCOUNT, 0, 0), 1);
    EXPECT_EQ(text(editor), u"\x01"
                            u"ab"); // its mark at the caret
    const auto* info = reinterpret_cast<const TObjectInfo*>(SendMessageW(editor, EFM_GETOBJECTINFO, 0, 0));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(+info->oiStyle, 300);
    EXPECT_EQ(+info->oiWidth, 40);
    EXPECT_EQ(recorder.count(EFN_EXOBJCREATE), 1);
    // Painted by the host.
    UpdateWindow(editor);
    headless::PumpMessages();
    EXPECT_GE(recorder.count(EFN_EXOBJDRAW), 1);
    // Stored with the host's bytes after the record.
    const Bytes block = data(editor);
    const std::size_t objects_at = 23 + 84 + 722 + 2 * 3 + 2;
    ASSERT_EQ(stored_data_at(block, objects_at), 3u);
    EXPECT_EQ(block[objects_at + sizeof(TObjectInfo)], 300 & 0xFF); // the code the host kept
    EXPECT_EQ(block[objects_at + sizeof(TObjectInfo) + 1], 0xAB);
    // The host's own record and handle, inserted directly.
    TObjectInfo own{};
    own.oiStyle = 512;
    own.oiWidth = 10;
    own.oiHeight = 10;
    store[77] = {1, 2};
    SendMessageW(editor, EFM_INSERTEXTERNALOBJECT, 77, reinterpret_cast<LPARAM>(&own));
    ASSERT_EQ(SendMessageW(editor, EFM_GETOBJECTCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(editor, EFM_GETOBJECT, 1, 0), 77); // its data is the host's handle
    SendMessageW(editor, EFM_INSERTEXTERNALOBJECT, 78, 0);    // no record: nothing
    EXPECT_EQ(SendMessageW(editor, EFM_GETOBJECTCOUNT, 0, 0), 2);
}

TEST_F(ExternalObjects, ADoubleClickModifiesTheObjectThroughItsHost) {
    int modified = 0;
    const auto base = host();
    HostRecorder recorder(editor, [&, base](UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
        if (m != EFN_EXOBJMODIFY) return base(m, w, l);
        if (++modified == 1) return 0; // the first time the user cancels
        reinterpret_cast<TExObjParams*>(l)->Info.oiWidth = 90;
        return 1;
    });
    headless::UseManualClock();
    DestroyWindow(other); // it lay over the editor
    put(editor, u"ab");
    SendMessageW(editor, EFM_INSERTOBJECT, 300, 0);
    UpdateWindow(editor);
    headless::PumpMessages();
    auto double_click = [&] {
        const RECT r = Internals(engine(editor)).FObjects->Item(0)->ObjectRect();
        POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(editor, &at);
        headless::Click(headless::Button::Left, at.x, at.y);
        headless::Click(headless::Button::Left, at.x, at.y);
        headless::PumpMessages();
        headless::AdvanceClock(1000);
    };
    const auto steps = Internals(engine(editor)).FUndoObj->Count();
    double_click();
    EXPECT_EQ(modified, 1);
    EXPECT_EQ(Internals(engine(editor)).FUndoObj->Count(), steps); // cancelled: no step
    double_click();
    EXPECT_EQ(modified, 2);
    const auto* info = reinterpret_cast<const TObjectInfo*>(SendMessageW(editor, EFM_GETOBJECTINFO, 0, 0));
    EXPECT_EQ(+info->oiWidth, 90);
    EXPECT_EQ(+info->oiStyle, 300); // the kind stays the document's
    EXPECT_EQ(Internals(engine(editor)).FUndoObj->Count(), steps + 1);
}

TEST_F(ExternalObjects, AHostThatAnswersNothingGetsNoObjectAndNoUndoStep) {
    put(editor, u"ab");
    const Bytes before = data(editor);
    SendMessageW(editor, EFM_INSERTOBJECT, 300, 0);
    EXPECT_EQ(SendMessageW(editor, EFM_GETOBJECTCOUNT, 0, 0), 0);
    EXPECT_EQ(data(editor), before);
    EXPECT_EQ(Internals(engine(editor)).FUndoObj->Count(), 0);
    SendMessageW(editor, EFM_INSERTOBJECT, 5, 0); // a code that inserts nothing
    EXPECT_EQ(SendMessageW(editor, EFM_GETOBJECTCOUNT, 0, 0), 0);
}

} // namespace
} // namespace zeledit::test
