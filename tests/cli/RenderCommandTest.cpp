#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli/HeadlessDocument.h"
#include "support/TempFolder.h"
#include "surface/PaintControl.h"
#include "surface/SurfacePainter.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

struct RenderRun {
    int status;
    std::string err;
};

RenderRun Render(const std::string& arguments, const fs::path& folder,
                 const std::string& environment = "") {
    fs::path err = folder / "err.txt";
    std::string command =
        environment + std::string(KORVANE_GEN_EXE) + " render " + arguments + " 2>" + err.string();
    int status = std::system(command.c_str());
    std::ifstream in(err);
    return {WEXITSTATUS(status), std::string(std::istreambuf_iterator<char>(in), {})};
}

uint32_t Big32(const std::string& b, size_t at) {
    auto u = [&](size_t i) { return static_cast<uint32_t>(static_cast<uint8_t>(b[at + i])); };
    return (u(0) << 24) | (u(1) << 16) | (u(2) << 8) | u(3);
}

// The rows of a PNG (8-bit RGB, no interlace), filter bytes removed; checks every chunk's CRC
// and that every row is unfiltered.
std::vector<uint8_t> PngPixels(const std::string& png, uint32_t& width, uint32_t& height) {
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1A\n", 8));
    width = Big32(png, 16);
    height = Big32(png, 20);
    std::string zlib;
    for (size_t at = 8; at + 12 <= png.size();) {
        uint32_t len = Big32(png, at);
        uLong crc = crc32(0, reinterpret_cast<const Bytef*>(png.data() + at + 4), len + 4);
        EXPECT_EQ(crc, Big32(png, at + 8 + len));
        if (png.compare(at + 4, 4, "IDAT") == 0) zlib += png.substr(at + 8, len);
        at += 12 + len;
    }
    const size_t rowBytes = size_t{width} * 3 + 1;
    std::vector<uint8_t> raw(rowBytes * height);
    uLongf size = raw.size();
    EXPECT_EQ(
        uncompress(raw.data(), &size, reinterpret_cast<const Bytef*>(zlib.data()), zlib.size()),
        Z_OK);
    EXPECT_EQ(size, raw.size());
    std::vector<uint8_t> pixels;
    pixels.reserve(size_t{width} * 3 * height);
    for (size_t row = 0; row < height; ++row) {
        EXPECT_EQ(raw[row * rowBytes], 0);
        pixels.insert(pixels.end(), raw.begin() + static_cast<long>(row * rowBytes + 1),
                      raw.begin() + static_cast<long>((row + 1) * rowBytes));
    }
    return pixels;
}

TEST(RenderCommandTest, WritesTheSurfaceAsTheDocumentWindowShowsIt) {
    const testing::TempFolder scratch("render");
    const fs::path& folder = scratch.dir;
    fs::path design = fs::path(KORVANE_EXAMPLES) / "login.dat";
    fs::path out = folder / "login.png";
    fs::remove(out);
    RenderRun run = Render(design.string() + " -o " + out.string(), folder);
    if (run.status == 2 && run.err.find("unknown command") != std::string::npos)
        GTEST_SKIP() << "render is not wired into korvane-gen yet";
    ASSERT_EQ(run.status, 0) << run.err;
    std::ifstream in(out, std::ios::binary);
    std::string png(std::istreambuf_iterator<char>(in), {});
    uint32_t width = 0, height = 0;
    std::vector<uint8_t> pixels = PngPixels(png, width, height);

    // The same picture painted here: grid, looks, no handles.
    cli::HeadlessDocument d;
    ASSERT_TRUE(d.Open(design.string()));
    PixelRect surface = SurfacePixels(d.form.doc);
    Canvas expected(static_cast<int>(surface.width), static_cast<int>(surface.height));
    SurfacePaintOptions options;
    options.handles = false;
    PaintSurfaceArea(expected, d.form.doc, nullptr, surface, options);
    ASSERT_EQ(width, static_cast<uint32_t>(surface.width));
    ASSERT_EQ(height, static_cast<uint32_t>(surface.height));
    EXPECT_EQ(pixels, expected.Data());
    EXPECT_EQ(expected.Pixel(0, 0), systemcolour::ButtonText);  // a grid dot
    EXPECT_EQ(expected.Pixel(16, 16), awt::Shadow);  // label_user's outline at (240, 240)
    // The active component's handles are not drawn (opening selects nothing: select one).
    d.form.selection.SelectSlots({d.form.doc.SlotCount()});
    PaintSurfaceArea(expected, d.form.doc, nullptr, surface, options);
    EXPECT_EQ(pixels, expected.Data());
    const HandleBox& h = d.form.doc.Handles[4];
    ASSERT_TRUE(h.Visible);
    EXPECT_NE(expected.Pixel(static_cast<int>(h.Left / 15) + 2, static_cast<int>(h.Top / 15) + 2),
              systemcolour::Highlight);
}

TEST(RenderCommandTest, RefusesBadArgumentsAndUnreadableFilesWithoutWriting) {
    const testing::TempFolder scratch("render");
    const fs::path& folder = scratch.dir;
    fs::path out = folder / "none.png";
    fs::remove(out);
    RenderRun probe = Render("", folder);
    if (probe.err.find("unknown command") != std::string::npos) GTEST_SKIP();
    EXPECT_EQ(probe.status, 2);
    EXPECT_EQ(Render("a.dat b.dat -o x.png", folder).status, 2);
    EXPECT_EQ(Render((folder / "missing.dat").string() + " -o " + out.string(), folder).status, 1);
    EXPECT_FALSE(fs::exists(out));
}

// The surface of a design, painted whole here, as the PNG render must hold it.
std::vector<uint8_t> Painted(const std::string& design) {
    cli::HeadlessDocument d;
    EXPECT_TRUE(d.Open(design));
    PixelRect surface = SurfacePixels(d.form.doc);
    Canvas expected(static_cast<int>(surface.width), static_cast<int>(surface.height));
    SurfacePaintOptions options;
    options.handles = false;
    PaintSurfaceArea(expected, d.form.doc, nullptr, surface, options);
    return expected.Data();
}

// A surface of the largest size drawn is a small file; one a pixel larger, or the surface of
// a 47-byte older-layout file of 32767 cells, is refused with the reason and nothing written.
TEST(RenderCommandTest, DrawsUpToTheStatedMaximumAndRefusesLarger) {
    const testing::TempFolder scratch("render");
    const fs::path& folder = scratch.dir;
    struct Case {
        std::string design;
        bool drawn;
    };
    const auto window = [&](long long pixels, const char* name) {
        // The designed width and height in twips that give a surface of `pixels` a side.
        long long twips = pixels * 15 - 75;
        fs::path path = folder / name;
        std::ofstream(path, std::ios::binary)
            << "[Main]\r\nSizeX=" << twips << "\r\nSizeY=" << twips
            << "\r\n[1]\r\nName=a\r\nType=JButton\r\nX=120\r\nY=122000\r\nSizeX=1080\r\n"
               "SizeY=360\r\n";
        return path.string();
    };
    const Case cases[] = {
        {window(8192, "largest.dat"), true},
        {window(8193, "wider.dat"), false},
        {std::string(KORVANE_TEST_DATA) + "/reopen/legacy-huge.dat", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.design);
        fs::path out = folder / "out.png";
        fs::remove(out);
        RenderRun run = Render(c.design + " -o " + out.string(), folder);
        if (!c.drawn) {
            EXPECT_EQ(run.status, 1);
            EXPECT_NE(run.err.find("larger than the 8192 x 8192 pixels render draws; nothing is "
                                   "written"),
                      std::string::npos)
                << run.err;
            EXPECT_FALSE(fs::exists(out));
            continue;
        }
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_LT(fs::file_size(out), 1u << 20);
        std::ifstream in(out, std::ios::binary);
        std::string png(std::istreambuf_iterator<char>(in), {});
        uint32_t width = 0, height = 0;
        std::vector<uint8_t> pixels = PngPixels(png, width, height);
        EXPECT_EQ(width, 8192u);
        EXPECT_EQ(height, 8192u);
        EXPECT_TRUE(pixels == Painted(c.design));  // the band-wise render is the whole picture
    }
}

TEST(RenderCommandTest, TextIsDrawnOnlyWhenAskedFor) {
    const testing::TempFolder scratch("render");
    const fs::path& folder = scratch.dir;
    const std::string design = (fs::path(KORVANE_EXAMPLES) / "login.dat").string();
    auto read = [](const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    RenderRun plain = Render(design + " -o " + (folder / "plain.png").string(), folder);
    ASSERT_EQ(plain.status, 0) << plain.err;
    // Without a desktop session (no XDG_RUNTIME_DIR, as in CI) the command stays quiet.
    RenderRun text = Render(design + " --text -o " + (folder / "text.png").string(), folder,
                            "env -u XDG_RUNTIME_DIR ");
    if (text.status == 1 && text.err.find("built without Qt") != std::string::npos)
        GTEST_SKIP() << text.err;
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.err, "");
    uint32_t width = 0, height = 0, w = 0, h = 0;
    const std::vector<uint8_t> withText = PngPixels(read(folder / "text.png"), width, height);
    const std::vector<uint8_t> without = PngPixels(read(folder / "plain.png"), w, h);
    ASSERT_EQ(width, w);
    ASSERT_EQ(height, h);
    // Only pixels inside the components change, and some do.
    ASSERT_EQ(withText.size(), without.size());
    size_t changed = 0;
    for (size_t k = 0; k < withText.size(); ++k) changed += withText[k] != without[k];
    EXPECT_GT(changed, 100u);
    EXPECT_EQ(std::vector<uint8_t>(withText.begin(), withText.begin() + 3 * width * 10),
              std::vector<uint8_t>(without.begin(), without.begin() + 3 * width * 10));
    EXPECT_EQ(Render(design + " --text --text -o " + (folder / "x.png").string(), folder).status,
              2);
}

// The texts are drawn by a module korvane-gen loads only for them. A korvane-gen without its
// module still does everything else, and refuses --text with a reason, writing nothing.
TEST(RenderCommandTest, WithoutItsTextModuleOnlyTextIsRefused) {
    const testing::TempFolder scratch("render");
    const fs::path alone = scratch.dir / "korvane-gen";
    fs::copy_file(KORVANE_GEN_EXE, alone);
    const std::string design = (fs::path(KORVANE_EXAMPLES) / "login.dat").string();
    const fs::path plain = scratch.dir / "plain.png", text = scratch.dir / "text.png";
    auto run = [&](const std::string& arguments) {
        const fs::path err = scratch.dir / "err.txt";
        const std::string command =
            alone.string() + " render " + design + " " + arguments + " 2>" + err.string();
        const int status = std::system(command.c_str());
        std::ifstream in(err);
        return RenderRun{WEXITSTATUS(status), std::string(std::istreambuf_iterator<char>(in), {})};
    };
    EXPECT_EQ(run("-o " + plain.string()).status, 0);
    EXPECT_TRUE(fs::exists(plain));
    const RenderRun refused = run("--text -o " + text.string());
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("cannot draw text"), std::string::npos) << refused.err;
    EXPECT_FALSE(fs::exists(text));
}

}  // namespace
}  // namespace korvane
