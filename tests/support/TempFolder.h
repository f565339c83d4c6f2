// A folder of its own for one test, removed with the test, and whole-file reading and writing.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace korvane::testing {

class TempFolder {
  public:
    explicit TempFolder(const std::string& prefix)
        : dir(std::filesystem::temp_directory_path() /
              ("korvane-" + prefix + "-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        std::filesystem::create_directories(dir);
    }
    ~TempFolder() { std::filesystem::remove_all(dir); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path(const std::string& name) const { return (dir / name).string(); }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

    const std::filesystem::path dir;
};

}  // namespace korvane::testing
