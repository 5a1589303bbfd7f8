// Saving over what is already there: regular files keep their permissions, links stay links,
// anything that is no regular file is refused untouched, and failures say why.
#include "storage/document_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace zeledit::test {
namespace {

namespace fs = std::filesystem;
using storage::WriteWholeFile;

class DocumentFile : public ::testing::Test {
protected:
    fs::path folder;
    const std::vector<std::uint8_t> bytes{'n', 'e', 'w'};

    void SetUp() override {
        char name[] = "/tmp/zeledit-file-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        folder = name;
    }
    void TearDown() override { fs::remove_all(folder); }

    static std::string content(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void write(const fs::path& p, const std::string& s) { std::ofstream(p, std::ios::binary) << s; }
    // Nothing but the given names is left in the folder: no temporary file stays behind.
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(folder)) out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
};

TEST_F(DocumentFile, AnExistingFileKeepsItsPermissions) {
    const fs::path target = folder / "doc.zdf";
    write(target, "old");
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    const auto result = WriteWholeFile(target.string(), bytes);
    ASSERT_TRUE(result.ok) << result.reason;
    EXPECT_EQ(content(target), "new");
    struct stat s {};
    ASSERT_EQ(stat(target.c_str(), &s), 0);
    EXPECT_EQ(s.st_mode & 07777, 0640u);
    EXPECT_EQ(names(), std::vector<std::string>{"doc.zdf"});
    EXPECT_TRUE(storage::LastFileError().empty());
}

TEST_F(DocumentFile, ANewFileTakesTheUsualPermissions) {
    const mode_t mask = umask(022);
    const auto result = WriteWholeFile((folder / "new.zdf").string(), bytes);
    umask(mask);
    ASSERT_TRUE(result.ok);
    struct stat s {};
    ASSERT_EQ(stat((folder / "new.zdf").c_str(), &s), 0);
    EXPECT_EQ(s.st_mode & 07777, 0644u); // not the 0600 of a private temporary file
}

TEST_F(DocumentFile, ALinkIsWrittenThroughAndStaysALink) {
    const fs::path real = folder / "real.zdf", link = folder / "link.zdf";
    write(real, "old");
    fs::create_symlink("real.zdf", link);
    ASSERT_TRUE(WriteWholeFile(link.string(), bytes).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(content(real), "new");
    EXPECT_EQ(names(), (std::vector<std::string>{"link.zdf", "real.zdf"}));
}

TEST_F(DocumentFile, ConcurrentSavesLeaveOneWholeVersion) {
    const fs::path target = folder / "shared.zdf";
    const std::vector<std::uint8_t> one(64 * 1024, 'a'), two(96 * 1024, 'b');
    const auto save = [&](const std::vector<std::uint8_t>& bytes) {
        for (int i = 0; i < 100; ++i) ASSERT_TRUE(WriteWholeFile(target.string(), bytes).ok);
    };
    std::thread first(save, std::cref(one)), second(save, std::cref(two));
    std::vector<std::string> seen;
    for (int i = 0; i < 200; ++i)
        if (fs::exists(target)) seen.push_back(content(target));
    first.join();
    second.join();
    seen.push_back(content(target));
    const std::string a(one.begin(), one.end()), b(two.begin(), two.end());
    for (const std::string& version : seen) EXPECT_TRUE(version == a || version == b) << version.size();
    EXPECT_EQ(names(), std::vector<std::string>{"shared.zdf"});
}

TEST_F(DocumentFile, ALinkWhereATemporaryFileCouldBeIsLeftAlone) {
    const fs::path target = folder / "doc.zdf", victim = folder / "victim";
    write(victim, "keep");
    fs::create_symlink(victim, folder / "doc.zdf.saving");
    fs::create_symlink(victim, folder / "doc.zdf.saving-XXXXXX");
    ASSERT_TRUE(WriteWholeFile(target.string(), bytes).ok);
    EXPECT_EQ(content(victim), "keep");
    EXPECT_EQ(content(target), "new");
    EXPECT_FALSE(fs::is_symlink(target));
    EXPECT_TRUE(fs::is_symlink(folder / "doc.zdf.saving"));
}

TEST_F(DocumentFile, WhatIsNoRegularFileIsRefusedAndLeftAsItWas) {
    const fs::path fifo = folder / "pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    auto result = WriteWholeFile(fifo.string(), bytes);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, fifo.string() + ": not a regular file");
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(storage::LastFileError(), result.reason);

    result = WriteWholeFile(folder.string(), bytes);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find("folder"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(folder));

    result = WriteWholeFile("/dev/null", bytes);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(names(), std::vector<std::string>{"pipe"});
}

TEST_F(DocumentFile, AFailedWriteNamesThePathAndTheSystemsReason) {
    const fs::path missing = folder / "no-such-folder" / "doc.zdf";
    const auto result = WriteWholeFile(missing.string(), bytes);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, missing.string() + ": No such file or directory");
    EXPECT_FALSE(storage::FileSize(missing.string()).has_value());
    EXPECT_EQ(storage::LastFileError(), result.reason);
}

} // namespace
} // namespace zeledit::test
