// The sample document and the demo without a display.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

fs::path scratch(const char* name) {
    const fs::path dir = fs::path(::testing::TempDir()) / (std::string("demo-") + name);
    fs::create_directories(dir);
    return dir;
}

TEST(Sample, TheGeneratorWritesTheShippedWelcomeDocument) {
    const fs::path out = scratch("generator") / "welcome.zdf";
    ASSERT_EQ(std::system((std::string(MAKE_WELCOME) + " " + out.string()).c_str()), 0);
    EXPECT_EQ(read(out), read(WELCOME_SAMPLE)) << "run make-welcome samples/welcome.zdf and commit it";
}

TEST(Demo, WithoutADisplayItRendersTheSampleAndSavesItUnchanged) {
    const fs::path dir = scratch("headless");
    const std::string command = "ZELEDIT_HEADLESS=1 " + std::string(ZELEDIT_DEMO) + " " + WELCOME_SAMPLE +
                                " --render " + (dir / "demo.png").string() + " --save " +
                                (dir / "again.zdf").string() + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_GT(fs::file_size(dir / "demo.png"), 10000u);
    EXPECT_EQ(read(dir / "again.zdf"), read(WELCOME_SAMPLE));
}

TEST(Demo, TypedVietnameseIsSavedAndReadBack) {
    const fs::path dir = scratch("typed");
    const auto run = [](const std::string& command) {
        return std::system((command + " > /dev/null").c_str());
    };
    ASSERT_EQ(run("ZELEDIT_HEADLESS=1 " + std::string(ZELEDIT_DEMO) + " " + WELCOME_SAMPLE +
                  " --vietnamese --type 'Vie65t ' --save " + (dir / "typed.zdf").string()),
              0);
    ASSERT_EQ(run(std::string(ZDFCONV) + " totext " + (dir / "typed.zdf").string() + " " +
                  (dir / "typed.txt").string()),
              0);
    ASSERT_EQ(run(std::string(ZDFCONV) + " totext " + WELCOME_SAMPLE + " " + (dir / "sample.txt").string()),
              0);
    EXPECT_EQ(read(dir / "typed.txt"), "Việt " + read(dir / "sample.txt"));
}

} // namespace
