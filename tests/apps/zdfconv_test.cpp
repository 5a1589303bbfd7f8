// The command-line converter, run as a user runs it, on files the tests write.
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include "engine/editor_internals.h"
#include "engine/format_editor.h"
#include "objects/picture_object.h"
#include "platform/graphics_support/graphics_support.h"
#include "support/private_cupsd.h"
#include "support/run_command.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status;
    std::string output;
};

Outcome zdfconv(const std::string& arguments) {
    const std::string command = std::string(ZDFCONV) + " " + arguments + " 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    Outcome run{-1, {}};
    if (pipe == nullptr) return run;
    std::array<char, 256> chunk;
    while (std::fgets(chunk.data(), chunk.size(), pipe) != nullptr) run.output += chunk.data();
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class Zdfconv : public ::testing::Test {
protected:
    fs::path dir;
    void SetUp() override {
        dir = fs::path(::testing::TempDir()) /
              (std::string("zdfconv-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const char* name) const { return (dir / name).string(); }
    static void write(const std::string& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    static std::string read(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

TEST_F(Zdfconv, TextRoundTripsThroughADocument) {
    write(path("in.txt"), "\xEF\xBB\xBFTi\xE1\xBA\xBFng Vi\xE1\xBB\x87t\r\nsecond\nthird\rlast");
    ASSERT_EQ(zdfconv("fromtext " + path("in.txt") + " " + path("doc.zdf")).status, 0);
    const Outcome info = zdfconv("info " + path("doc.zdf"));
    EXPECT_EQ(info.status, 0);
    EXPECT_NE(info.output.find("generation: 6\nkind: normal\ncharacters: 31\n"), std::string::npos)
        << info.output;
    ASSERT_EQ(zdfconv("totext " + path("doc.zdf") + " " + path("out.txt")).status, 0);
    EXPECT_EQ(read(path("out.txt")), "Ti\xE1\xBA\xBFng Vi\xE1\xBB\x87t\nsecond\nthird\nlast");
}

TEST_F(Zdfconv, RenderWritesAPngOfTheGivenWidth) {
    write(path("in.txt"), "a line of text");
    ASSERT_EQ(zdfconv("fromtext " + path("in.txt") + " " + path("doc.zdf")).status, 0);
    ASSERT_EQ(zdfconv("render " + path("doc.zdf") + " " + path("doc.png") + " --width 320").status, 0);
    const std::string png = read(path("doc.png"));
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    const auto byte = [&](int i) { return static_cast<unsigned char>(png[static_cast<std::size_t>(i)]); };
    EXPECT_EQ(byte(16) << 24 | byte(17) << 16 | byte(18) << 8 | byte(19), 320);
    EXPECT_EQ(zdfconv("render " + path("doc.zdf") + " " + path("x.png") + " --width 5").status, 1);
}

TEST_F(Zdfconv, CountsObjectsAndLinks) {
    zeledit::headless::Reset();
    InitEditorLib();
    HWND w = CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr,
                             nullptr, nullptr);
    auto& e = *static_cast<zeledit::engine::TFormatEditor*>(GetPropW(w, u"EDOBJ"));
    std::vector<std::uint32_t> argb(4, 0xFF0000FF);
    TObjectInfo object{};
    object.oiStyle = zeledit::objects::osPicture;
    object.oiID = Internals(e).FObjects->GetNewID();
    Internals(e).FObjects->AddObject(std::make_unique<zeledit::objects::TPictureObj>(
        &Internals(e).edInfo, object,
        zeledit::platform::UniqueGlobal(zeledit::platform::make_packed_dib(2, 2, argb))));
    SendMessageW(w, EFM_INSERTTEXT, 0, reinterpret_cast<LPARAM>(u"see x here"));
    Internals(e).FBuffer->SetCharAt(4, 1);
    Internals(e).FBuffer->FormatByte(4) = object.oiID;
    const TInsertHyperLink link{0, 3, "https://example.org", 1};
    SendMessageW(w, EFM_INSERTHYPERLINK, 0, reinterpret_cast<LPARAM>(&link));
    const std::u16string name = fs::path(path("rich.zdf")).u16string();
    ASSERT_EQ(SendMessageW(w, EFM_SAVEDOC, 0, reinterpret_cast<LPARAM>(name.c_str())), 1);
    zeledit::headless::Reset();
    const Outcome info = zdfconv("info " + path("rich.zdf"));
    EXPECT_NE(info.output.find("objects: 1\nlinks: 1\n"), std::string::npos) << info.output;
}

int png_height(const std::string& png) {
    if (png.size() < 24) return -1;
    const auto byte = [&](int i) { return static_cast<unsigned char>(png[static_cast<std::size_t>(i)]); };
    return byte(20) << 24 | byte(21) << 16 | byte(22) << 8 | byte(23);
}

TEST_F(Zdfconv, RenderSaysWhereATallDocumentIsCutAndRendersTheRest) {
    std::string text;
    for (int i = 1; i <= 2500; ++i) text += "line " + std::to_string(i) + "\n";
    write(path("in.txt"), text);
    ASSERT_EQ(zdfconv("fromtext " + path("in.txt") + " " + path("doc.zdf")).status, 0);
    const Outcome first = zdfconv("render " + path("doc.zdf") + " " + path("1.png"));
    EXPECT_EQ(first.status, 0);
    const auto from = first.output.find("--from-line ");
    ASSERT_NE(from, std::string::npos) << first.output;
    const int next = std::stoi(first.output.substr(from + 12));
    EXPECT_NE(first.output.find("shows lines 1 to " + std::to_string(next - 1) + " of 2500"),
              std::string::npos);
    const int height = png_height(read(path("1.png")));
    EXPECT_LE(height, 32000);
    EXPECT_GT(height, 31900); // full lines, up to the limit
    const Outcome rest =
        zdfconv("render " + path("doc.zdf") + " " + path("2.png") + " --from-line " + std::to_string(next));
    EXPECT_EQ(rest.status, 0);
    EXPECT_EQ(rest.output, ""); // the rest fits
    const int line = height / (next - 1);
    EXPECT_NEAR(png_height(read(path("2.png"))), (2500 - next + 1) * line + 10, 2);
    EXPECT_EQ(zdfconv("render " + path("doc.zdf") + " " + path("3.png") + " --from-line 2501").status, 2);
}

TEST_F(Zdfconv, OutputIsWholeOrAbsentAndFailuresSayWhy) {
    write(path("in.txt"), "text");
    ASSERT_EQ(zdfconv("fromtext " + path("in.txt") + " " + path("doc.zdf")).status, 0);
    const Outcome full = zdfconv("totext " + path("doc.zdf") + " /dev/full");
    EXPECT_EQ(full.status, 2);
    EXPECT_NE(full.output.find("cannot write /dev/full: not a regular file"), std::string::npos)
        << full.output;
    // Past the file size limit: no partial output, no temporary file left behind.
    const std::string command = "ulimit -f 0; " + std::string(ZDFCONV) + " totext " + path("doc.zdf") + " " +
                                path("big.txt") + " 2>/dev/null";
    const int status = std::system(("bash -c '" + command + "'").c_str());
    EXPECT_EQ(WEXITSTATUS(status), 2);
    for (const auto& entry : fs::directory_iterator(dir))
        EXPECT_FALSE(entry.path().filename().string().starts_with("big.txt")) << entry.path();

    const Outcome folder = zdfconv("fromtext " + dir.string() + " " + path("x.zdf"));
    EXPECT_EQ(folder.status, 2);
    EXPECT_NE(folder.output.find("cannot read " + dir.string() + ": is a folder"), std::string::npos)
        << folder.output;
    const Outcome missing = zdfconv("totext " + path("none.zdf") + " " + path("x.txt"));
    EXPECT_NE(missing.output.find("cannot read " + path("none.zdf") + ": No such file or directory"),
              std::string::npos)
        << missing.output;

    write(path("odd.txt"), std::string("a\xFF\xFE b\0c\xEF\xBF\xBD", 10));
    const Outcome odd = zdfconv("fromtext " + path("odd.txt") + " " + path("odd.zdf"));
    EXPECT_EQ(odd.status, 0);
    EXPECT_NE(odd.output.find("2 bytes are not UTF-8"), std::string::npos) << odd.output;
    EXPECT_NE(odd.output.find("1 control character was left out"), std::string::npos) << odd.output;
}

TEST_F(Zdfconv, BadInputIsRefusedWithAReason) {
    const Outcome missing = zdfconv("info " + path("none.zdf"));
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.output.find("cannot read"), std::string::npos);
    write(path("empty.zdf"), "");
    EXPECT_NE(zdfconv("info " + path("empty.zdf")).output.find("not a document file"), std::string::npos);
    write(path("in.txt"), "text");
    ASSERT_EQ(zdfconv("fromtext " + path("in.txt") + " " + path("doc.zdf")).status, 0);
    const std::string whole = read(path("doc.zdf"));
    write(path("cut.zdf"), whole.substr(0, whole.size() / 2));
    const Outcome cut = zdfconv("totext " + path("cut.zdf") + " " + path("out.txt"));
    EXPECT_EQ(cut.status, 2);
    EXPECT_NE(cut.output.find(path("cut.zdf") + ": cut short"), std::string::npos) << cut.output;
    EXPECT_EQ(zdfconv("fromtext " + path("none.txt") + " " + path("x.zdf")).status, 2);
    EXPECT_EQ(zdfconv("").status, 1);
    EXPECT_EQ(zdfconv("info").status, 1);
    EXPECT_EQ(zdfconv("convert a b").status, 1);
    for (const char* command : {"info", "totext", "fromtext", "render"}) {
        const Outcome help = zdfconv(std::string(command) + " --help");
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_NE(help.output.find(std::string("usage: zdfconv ") + command), std::string::npos);
    }
}

// What `zdfconv pdf` writes, read back with poppler's tools.
std::string poppler(const std::string& tool, const std::string& pdf) {
    return zeledit::test::RunCommand(tool + " '" + pdf + "'" + (tool == "pdftotext" ? " -" : "") +
                                     " 2>/dev/null");
}

TEST_F(Zdfconv, PdfHoldsTheSamplesVietnameseTextWithItsFontsEmbedded) {
    if (std::system("command -v pdftotext >/dev/null && command -v pdffonts >/dev/null") != 0)
        GTEST_SKIP() << "pdftotext or pdffonts (poppler-utils) is missing";
    const Outcome run =
        zdfconv(std::string("pdf ") + WELCOME_SAMPLE + " " + path("welcome.pdf") + " --page-numbers");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output, "1 page\n");
    const std::string text = poppler("pdftotext", path("welcome.pdf"));
    EXPECT_NE(text.find("Chào mừng — Welcome to zeledit"), std::string::npos) << text;
    EXPECT_NE(text.find("Hà Nội, Huế, Đà Nẵng, Thành phố Hồ Chí Minh"), std::string::npos) << text;
    EXPECT_NE(text.find("Page 1 of 1"), std::string::npos);
    const std::string fonts = poppler("pdffonts", path("welcome.pdf"));
    EXPECT_NE(fonts.find("LiberationSerif"), std::string::npos) << fonts;
    EXPECT_EQ(fonts.find(" no "), std::string::npos) << "a face is not embedded:\n" << fonts;
}

TEST_F(Zdfconv, PdfTakesPaperMarginsScaleAndColumnsAndRefusesNonsense) {
    std::string text;
    for (int i = 0; i < 400; ++i) text += "Line " + std::to_string(i) + "\n";
    write(path("long.txt"), text);
    ASSERT_EQ(zdfconv("fromtext " + path("long.txt") + " " + path("long.zdf")).status, 0);
    const auto pages = [&](const std::string& options) {
        const Outcome run = zdfconv("pdf " + path("long.zdf") + " " + path("long.pdf") + " " + options);
        EXPECT_EQ(run.status, 0) << run.output;
        return std::atoi(run.output.c_str());
    };
    const int plain = pages("");
    EXPECT_GT(plain, 3);
    EXPECT_LT(pages("--columns 2"), plain);
    EXPECT_LT(pages("--paper legal --margins 0.5,0.5,1,1"), plain);
    EXPECT_GT(pages("--scale 50"), 0);
    for (const char* bad : {"--paper b7", "--margins 1,1,1", "--margins 1,1,1,x", "--scale 5", "--columns 0",
                            "--copies 2", "--scale"}) {
        const Outcome run = zdfconv("pdf " + path("long.zdf") + " " + path("bad.pdf") + " " + bad);
        EXPECT_EQ(run.status, 1) << bad;
        EXPECT_NE(run.output.find("usage: zdfconv pdf"), std::string::npos) << bad;
    }
    EXPECT_FALSE(fs::exists(path("bad.pdf")));
    const Outcome nowhere = zdfconv("pdf " + path("long.zdf") + " /nonexistent/dir/out.pdf");
    EXPECT_EQ(nowhere.status, 2);
    EXPECT_NE(nowhere.output.find("cannot write /nonexistent/dir/out.pdf"), std::string::npos)
        << nowhere.output;
    const Outcome no_printer = zdfconv("print " + path("long.zdf") + " --printer no-such-printer");
    EXPECT_EQ(no_printer.status, 2);
    EXPECT_NE(no_printer.output.find("there is no printer \"no-such-printer\""), std::string::npos)
        << no_printer.output;
}

TEST_F(Zdfconv, PrintSendsTheDocumentToACupsPrinter) {
    zeledit::test::PrivateCupsd cups;
    if (!cups.running()) GTEST_SKIP() << "no private CUPS server: " << cups.why_not();
    write(path("short.txt"), "Một dòng chữ\nA second line\n");
    ASSERT_EQ(zdfconv("fromtext " + path("short.txt") + " " + path("short.zdf")).status, 0);
    const Outcome run =
        zdfconv("print " + path("short.zdf") + " --printer zeledit-test --copies 3 --paper letter");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output, "1 page\n");
    ASSERT_TRUE(cups.wait_for_job());
    EXPECT_EQ(read(cups.job_file()).rfind("%PDF-", 0), 0u);
    const std::string options = read(cups.job_file() + ".options");
    EXPECT_EQ(options.rfind("3\n", 0), 0u) << options;
    EXPECT_NE(options.find("media=na_letter_8.5x11in"), std::string::npos) << options;
    EXPECT_EQ(zdfconv("print " + path("short.zdf") + " --printer PDF").status, 2); // it needs a file
}

} // namespace
