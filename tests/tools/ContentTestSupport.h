#pragma once
// Scratch directories and file helpers shared by the content tool tests.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Catalogue.h"

namespace qvx::content::testing {

namespace fs = std::filesystem;

// A fresh directory under the system temp dir, named after the running test; removed again.
class TempDir {
  public:
    TempDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("qvx-content-") + info->test_suite_name() + "-" +
                           info->name() + "-" + std::to_string(::getpid());
        for (char& c : name) {
            if (c == '/') c = '_';
        }
        m_path = fs::temp_directory_path() / name;
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const fs::path& path() const { return m_path; }
    fs::path operator/(const std::string& name) const { return m_path / name; }

  private:
    fs::path m_path;
};

inline std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

inline std::vector<std::string> SetFileNames(CatalogueSet set) {
    const CatalogueFiles& f = CatalogueFileNames(set);
    return {f.moviesInt, f.moviesStr, f.adsInt, f.adsStr, f.newsInt, f.newsStr};
}

}  // namespace qvx::content::testing
