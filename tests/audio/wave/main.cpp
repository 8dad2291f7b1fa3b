// The wave-file audio tests' own main. OpenAL reads its configuration when the first device
// opens, once per process: the wave-file backend is chosen here, before any test runs, and writes
// everything played into WaveOutput().
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdlib>
#include <fstream>

#include "AudioTestSupport.h"
#include "WaveOutput.h"

namespace qvx::test {
namespace {
std::unique_ptr<AudioDir> g_dir;
}

std::filesystem::path WaveOutput() {
    return *g_dir / "out.wav";
}

}  // namespace qvx::test

int main(int argc, char** argv) {
    qvx::test::g_dir = std::make_unique<qvx::test::AudioDir>();
    const std::filesystem::path conf = *qvx::test::g_dir / "alsoft.conf";
    std::ofstream(conf) << "[general]\ndrivers=wave\n[wave]\nfile="
                        << qvx::test::WaveOutput().string() << "\n";
    setenv("ALSOFT_CONF", conf.c_str(), 1);
    setenv("ALSOFT_DRIVERS", "wave", 1);
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    qvx::test::g_dir.reset();
    return result;
}
