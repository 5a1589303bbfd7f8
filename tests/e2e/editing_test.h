// An editor driven by keys and messages, with a host listening to its notifications.
#pragma once

#include "e2e/host_recorder.h"
#include "e2e/layout_test.h"
#include "engine/editor_internals.h"
#include "objects/picture_object.h"
#include "platform/graphics_support/graphics_support.h"

#include <memory>
#include <string>
#include <vector>

namespace zeledit::test {

class Editing : public Layout {
protected:
    std::unique_ptr<HostRecorder> host;

    void SetUp() override {
        Layout::SetUp();
        host = std::make_unique<HostRecorder>(editor);
        SetFocus(editor);
    }
    void TearDown() override {
        host.reset();
        Layout::TearDown();
    }
    std::u16string text() const {
        return {Internals(engine()).FBuffer->Text(), Internals(engine()).FBuffer->TextLength()};
    }
    void type(std::u16string_view s) {
        headless::TypeText(s);
        headless::PumpMessages();
    }
    void key(UINT vk, bool shift = false, bool ctrl = false) {
        if (shift) headless::KeyDown(VK_SHIFT);
        if (ctrl) headless::KeyDown(VK_CONTROL);
        headless::KeyPress(vk);
        if (ctrl) headless::KeyUp(VK_CONTROL);
        if (shift) headless::KeyUp(VK_SHIFT);
        headless::PumpMessages();
    }
    int count(UINT m) const { return host->count(m); }
    std::u16string selected(std::uint32_t max = 100) {
        std::u16string out(max, u'?');
        SendMessageW(editor, EFM_GETSELTEXT, max, reinterpret_cast<LPARAM>(out.data()));
        return out.substr(0, out.find(u'\0'));
    }
    // A 2 x 2 inline picture in the object list; the caller puts its mark in the text.
    std::uint8_t add_picture() {
        TObjectInfo info{};
        info.oiStyle = objects::osPicture;
        info.oiID = Internals(engine()).FObjects->GetNewID();
        info.oiMargins = {2.0, 2.0, 2.0, 2.0};
        std::vector<std::uint32_t> argb(4, 0xFF00FF00);
        Internals(engine()).FObjects->AddObject(std::make_unique<objects::TPictureObj>(
            &Internals(engine()).edInfo, info,
            platform::UniqueGlobal(platform::make_packed_dib(2, 2, argb))));
        return info.oiID;
    }
};

} // namespace zeledit::test
