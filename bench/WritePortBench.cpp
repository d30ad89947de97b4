// WritePort against the physical floor of a write that opens and closes the
// file every time: a bare open / pwrite / close of one byte on the same file.
#include "PortFile.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr std::int32_t Port = 155;
constexpr off_t Offset = Port - portio::FirstPort;

void WritePortCall(benchmark::State& state) {
    std::uint8_t value = 0;
    for (auto _ : state) {
        portio::WritePort(Port, value);
        value = static_cast<std::uint8_t>((value + 1) & 63);
    }
}
BENCHMARK(WritePortCall);

void BareOpenPwriteClose(benchmark::State& state) {
    // The path is known in advance: the floor does no lookup at all.
    const std::string path = portio::PortFilePath();
    std::uint8_t value = 0;
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT, 0666);
        if (fd < 0) {
            state.SkipWithError("cannot open the port file");
            break;
        }
        benchmark::DoNotOptimize(::pwrite(fd, &value, 1, Offset));
        ::close(fd);
        value = static_cast<std::uint8_t>((value + 1) & 63);
    }
}
BENCHMARK(BareOpenPwriteClose);

} // namespace

int main(int argc, char** argv) {
    // A private temporary directory, so the run never touches the port file an
    // emulator on this machine may be reading.
    std::string dir = (std::filesystem::temp_directory_path() / "pelmo-bench-XXXXXX").string();
    if (::mkdtemp(dir.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    ::setenv("TMPDIR", dir.c_str(), 1);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return 0;
}
