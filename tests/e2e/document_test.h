// Editor windows holding documents, for the tests of the document block, files and the
// file commands.
#pragma once

#include <zeledit/controls.h>
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include "engine/editor_internals.h"
#include "engine/format_editor.h"
#include "platform/core/global_memory.h"
#include "storage/document_block.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zeledit::test {

using Bytes = std::vector<std::uint8_t>;

class DocumentBlock : public ::testing::Test {
protected:
    HWND editor = nullptr, other = nullptr;

    void SetUp() override {
        headless::Reset();
        InitEditorLib();
        editor = make_editor();
        other = make_editor();
    }
    void TearDown() override { headless::Reset(); }
    static HWND make_editor() {
        return CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, 320, 240, nullptr, nullptr,
                               nullptr, nullptr);
    }
    static engine::TFormatEditor& engine(HWND w) {
        return *static_cast<engine::TFormatEditor*>(GetPropW(w, u"EDOBJ"));
    }
    static std::u16string text(HWND w) {
        const auto& b = *Internals(engine(w)).FBuffer;
        return {b.Text(), b.TextLength()};
    }
    static void put(HWND w, std::u16string_view s, std::uint8_t format = 0) {
        auto& b = *Internals(engine(w)).FBuffer;
        ASSERT_TRUE(b.InsertChar(s.data(), format, static_cast<std::uint32_t>(s.size()), b.TextLength()));
    }
    // The block of an editor, as bytes.
    static Bytes data(HWND w) {
        const auto size = static_cast<std::size_t>(SendMessageW(w, EFM_GETDATASIZE, 0, 0));
        HGLOBAL h = reinterpret_cast<HGLOBAL>(SendMessageW(w, EFM_GETDATA, 0, 0));
        EXPECT_NE(h, nullptr);
        platform::LockedBlock locked(h);
        EXPECT_EQ(locked.size(), size);
        Bytes out(locked.bytes().begin(), locked.bytes().end());
        GlobalFree(h);
        return out;
    }
    static bool load(HWND w, const Bytes& bytes) {
        platform::UniqueGlobal block = platform::copy_to_global(bytes);
        return SendMessageW(w, EFM_SETDATA, 0, reinterpret_cast<LPARAM>(block.get())) != 0;
    }
    static storage::TDocumentHeader header(const Bytes& b) {
        storage::TDocumentHeader h;
        std::memcpy(&h, b.data(), sizeof h);
        return h;
    }
};

class DocumentFiles : public DocumentBlock {
protected:
    std::filesystem::path dir;
    int dialogs = 0;

    void SetUp() override {
        DocumentBlock::SetUp();
        // Each case has its own folder: cases run in parallel processes.
        dir = std::filesystem::path(::testing::TempDir()) /
              (std::string("document-files-") +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        SetDialogHook([this](HWND box) {
            ++dialogs;
            SendMessageW(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
        });
    }
    void TearDown() override {
        SetDialogHook({});
        std::filesystem::remove_all(dir);
        DocumentBlock::TearDown();
    }
    static LRESULT save(HWND w, const std::filesystem::path& p) {
        return SendMessageW(w, EFM_SAVEDOC, 0, reinterpret_cast<LPARAM>(p.u16string().c_str()));
    }
    static LRESULT open(HWND w, const std::filesystem::path& p) {
        return SendMessageW(w, EFM_LOADDOC, 0, reinterpret_cast<LPARAM>(p.u16string().c_str()));
    }
    static Bytes file(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void write(const std::filesystem::path& p, const Bytes& b) {
        std::ofstream(p, std::ios::binary)
            .write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    }
};

} // namespace zeledit::test
