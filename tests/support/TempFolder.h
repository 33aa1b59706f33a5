#pragma once

#include "model/PathText.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace wexa::testing {

// A fresh, empty folder per test, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        // The process id keeps two test runs at the same time apart.
        std::string name = "wexa-test-" + std::to_string(::getpid()) + "-" +
                           std::string(test->test_suite_name()) + "-" + test->name();
        for (char& c : name) {
            if (c == '/') {
                c = '_';
            }
        }
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& Path() const { return path_; }
    [[nodiscard]] std::filesystem::path operator/(const std::string& name) const {
        return path_ / name;
    }
    // As the program's text (UTF-8), the form a command takes a name in.
    [[nodiscard]] std::string File(const std::string& name) const {
        return TextFromPath(path_ / PathFromText(name));
    }

    // Names of everything in the folder, to see that no stray file is left.
    [[nodiscard]] std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.push_back(TextFromPath(entry.path().filename()));
        }
        return names;
    }

private:
    std::filesystem::path path_;
};

// The program's text (UTF-8) for a name the compiler spells in UTF-8.
inline std::string Utf8Text(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

inline std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<unsigned char> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace wexa::testing
