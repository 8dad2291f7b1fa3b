#pragma once
// Runs the real quovix-sim in a scratch data directory, as a player of the command line would.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace qvx::simtest {

namespace fs = std::filesystem;

struct Outcome {
    int exitCode;
    std::string out;
    std::string err;
};

inline std::string ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SimFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("quovix_sim_") + info->test_suite_name() + "_" +
                           info->name() + "_" + std::to_string(::getpid());
        for (char& c : name) {
            if (c == '/') c = '_';
        }
        m_dir = fs::temp_directory_path() / name;
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    static Outcome Run(const std::string& exe, const fs::path& dir, const std::string& args) {
        const fs::path errFile = dir / "stderr.txt";
        const std::string command = exe + " " + args + " 2>'" + errFile.string() + "'";
        Outcome o{};
        FILE* pipe = popen(command.c_str(), "r");
        std::array<char, 65536> buf{};
        size_t n = 0;
        while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0)
            o.out.append(buf.data(), n);
        o.exitCode = WEXITSTATUS(pclose(pipe));
        o.err = ReadFile(errFile);
        return o;
    }

    Outcome Sim(const std::string& args) const {
        return Run(QVX_SIM_EXE, m_dir, "--data-dir '" + m_dir.string() + "' " + args);
    }

    // Generated catalogues and settings, so that games can be played here.
    void GenerateGameData() const {
        const Outcome o =
            Run(QVX_CONTENT_EXE, m_dir, "generate --seed 3 --out '" + m_dir.string() + "'");
        ASSERT_EQ(o.exitCode, 0) << o.err;
    }

    std::string Read(const std::string& name) const { return ReadFile(m_dir / name); }

    fs::path m_dir;
};

}  // namespace qvx::simtest
