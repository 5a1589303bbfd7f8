// Helpers for the object tests: a document with a text buffer and an object list, DIBs
// and stored records made here, and a memory bitmap to draw on.
#pragma once

#include "model/device_metrics.h"
#include "objects/editor_objects.h"
#include "objects/picture_object.h"
#include "platform/graphics_support/graphics_support.h"
#include "support/surface.h"

#include <zeledit/headless.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace zeledit::test {

// A packed 24-bit DIB of one colour, or of vertical bands of the given colours.
inline platform::UniqueGlobal make_dib(int width, int height, std::vector<std::uint32_t> bands) {
    std::vector<std::uint32_t> argb(static_cast<std::size_t>(width) * height);
    const int band = width / static_cast<int>(bands.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            argb[static_cast<std::size_t>(y) * width + x] =
                0xFF000000 | bands[std::min<std::size_t>(x / band, bands.size() - 1)];
    return platform::UniqueGlobal(platform::make_packed_dib(width, height, argb));
}

inline TObjectInfo picture_info(std::uint8_t id, std::uint16_t style = objects::osPicture) {
    TObjectInfo info{};
    info.oiStyle = style;
    info.oiID = id;
    info.oiMargins = {2.0, 2.0, 2.0, 2.0};
    info.oiWrapText = 1;
    return info;
}

// A stored record followed by its data.
inline std::vector<std::uint8_t> stored_record(TObjectInfo info, std::span<const std::uint8_t> data) {
    info.oiSize = static_cast<std::uint32_t>(data.size());
    std::vector<std::uint8_t> bytes(sizeof info);
    std::memcpy(bytes.data(), &info, sizeof info);
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

inline std::vector<std::uint8_t> block_bytes(HGLOBAL block) {
    platform::LockedBlock locked(block);
    return {locked.bytes().begin(), locked.bytes().end()};
}

class ObjectTest : public ::testing::Test {
protected:
    model::TEditorInfo info;
    std::unique_ptr<model::TEditorBuffer> buffer;
    std::unique_ptr<objects::TEditorObjects> list;

    void SetUp() override {
        headless::Reset();
        model::DotPerInchX = model::DotPerInchY = 96;
        buffer = std::make_unique<model::TEditorBuffer>(&info);
        info.eiBuffers = buffer.get();
        info.eiBoundRect = {0, 0, 500, 1016};
        list = std::make_unique<objects::TEditorObjects>(&info);
        info.eiObjects = list.get();
    }
    void TearDown() override {
        list.reset();
        buffer.reset();
        model::DotPerInchX = model::DotPerInchY = 96;
        headless::Reset();
    }
    objects::TPictureObj& add_picture(std::uint8_t id, int width, int height, bool floated = false) {
        auto info_record = picture_info(id);
        info_record.oiFloated = floated;
        info_record.oiWidth = static_cast<std::uint16_t>(width);
        info_record.oiHeight = static_cast<std::uint16_t>(height);
        auto object =
            std::make_unique<objects::TPictureObj>(&info, info_record, make_dib(width, height, {0xFF0000}));
        auto& ref = *object;
        list->AddObject(std::move(object));
        return ref;
    }
    void put_text(std::u16string_view text, std::vector<std::uint8_t> formats) {
        ASSERT_EQ(text.size(), formats.size());
        for (std::size_t i = 0; i < text.size(); ++i)
            ASSERT_TRUE(buffer->InsertChar(&text[i], formats[i], 1, static_cast<std::uint32_t>(i)));
    }
};

} // namespace zeledit::test
