// Opening a file takes memory in proportion to its size, whatever its shape: at most four
// times its size plus 30 MB, measured as the peak of a korvane-gen process that opens it.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

namespace {

namespace fs = std::filesystem;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

constexpr size_t kFileBytes = 33u << 20;

struct Shape {
    const char* name;
    // The text of piece i; pieces are written until the file holds kFileBytes.
    std::function<std::string(size_t)> piece;
};

const Shape kShapes[] = {
    {"DistinctSections",
     [](size_t i) { return "[S" + std::to_string(i) + "]\r\nK" + std::to_string(i) + "=v\r\n"; }},
    {"OneSectionOfDistinctKeys",
     [](size_t i) {
         return (i == 0 ? std::string("[Main]\r\n") : std::string()) + "K" + std::to_string(i) +
                "=v\r\n";
     }},
    {"ShortLinesEndingInCarriageReturnsOnly",
     [](size_t i) {
         return (i == 0 ? std::string("[Main]\r") : std::string()) + "K" + std::to_string(i) +
                "=\r";
     }},
    {"OneShortKeyRepeated",
     [](size_t i) { return i == 0 ? std::string("[Main]\nk=\n") : std::string("k=\n"); }},
    {"ShortDistinctSectionsWithoutKeys",
     [](size_t i) {
         // Four characters that differ also when case is ignored: 48^4 names, one line of
         // seven bytes each.
         constexpr std::string_view kCharacters =
             "0123456789abcdefghijklmnopqrstuvwxyz!#$%&()*+,-.";
         std::string line = "[....]\n";
         for (size_t k = 0; k < 4; ++k, i /= kCharacters.size())
             line[1 + k] = kCharacters[i % kCharacters.size()];
         return line;
     }},
    {"OneLongValue",
     [](size_t i) { return i == 0 ? std::string("[Main]\r\nName=") : std::string(65536, 'x'); }},
    {"MoreComponentsThanTheDesignHolds",
     [](size_t i) {
         const std::string n = std::to_string(i + 1);
         return "[Component" + n + "]\r\nName=c" + n +
                "\r\nType=Label\r\nValue=v\r\nX=0\r\nY=0\r\nSizeX=10\r\nSizeY=10\r\n";
     }},
};

void PrintTo(const Shape& shape, std::ostream* out) {
    *out << shape.name;
}

class OpenMemoryTest : public ::testing::TestWithParam<Shape> {};

TEST_P(OpenMemoryTest, PeakIsAtMostFourTimesTheFileSizePlus30MB) {
    if (kSanitized) GTEST_SKIP() << "the sanitizers' own memory would be measured";
    const fs::path file =
        fs::temp_directory_path() / ("korvane-open-memory-" + std::to_string(::getpid()) + ".dat");
    size_t bytes = 0;
    {
        std::ofstream out(file, std::ios::binary);
        for (size_t i = 0; bytes < kFileBytes; ++i) {
            const std::string piece = GetParam().piece(i);
            out << piece;
            bytes += piece.size();
        }
    }
    // Each test runs in a process of its own, so the children's peak is this command's.
    const std::string command =
        std::string(KORVANE_GEN_EXE) + " list " + file.string() + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    fs::remove(file);
    ASSERT_NE(status, -1);
    rusage usage{};
    ASSERT_EQ(::getrusage(RUSAGE_CHILDREN, &usage), 0);
    const double peakMB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    const double fileMB = static_cast<double>(bytes) / (1 << 20);
    EXPECT_LE(peakMB, 4 * fileMB + 30) << GetParam().name << ": " << fileMB << " MB file";
}

INSTANTIATE_TEST_SUITE_P(Shapes, OpenMemoryTest, ::testing::ValuesIn(kShapes),
                         [](const ::testing::TestParamInfo<Shape>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
