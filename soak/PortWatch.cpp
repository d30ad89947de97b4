// Reads byte 55 of the port file about a thousand times a second, as an
// emulator polling port 155 would: open, read one byte, close.
//
//   port-watch watch FILE [SIZE]     until SIGTERM or SIGINT; judges every read
//                                    (SIZE: length of a file that already
//                                    existed) and prints a summary
//   port-watch wait FILE VALUE MS    until the byte reads VALUE
//   port-watch idle FILE HOLD MS     until the byte has read 0 for HOLD ms
//   port-watch scribble FILE         a second program writing its own ports:
//                                    until SIGTERM or SIGINT, rewrites every
//                                    byte but 55 a thousand times a second and
//                                    reads them back; fails if one was lost
//
// "wait" and "idle" give up after MS milliseconds with exit status 1.
#include "PortRules.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr long PeriodNs = 1'000'000;

struct Sample {
    std::optional<std::int64_t> size;
    std::optional<std::uint8_t> value;
};

Sample readPort(const char* path) {
    Sample sample;
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return sample;
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0) {
        sample.size = info.st_size;
    }
    std::uint8_t byte = 0;
    if (::pread(fd, &byte, 1, PortRules::Offset) == 1) {
        sample.value = byte;
    }
    ::close(fd);
    return sample;
}

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Paces a loop at one turn per millisecond without drifting.
class Pacer {
public:
    Pacer() { clock_gettime(CLOCK_MONOTONIC, &next_); }
    void sleep() {
        next_.tv_nsec += PeriodNs;
        if (next_.tv_nsec >= 1'000'000'000L) {
            next_.tv_nsec -= 1'000'000'000L;
            ++next_.tv_sec;
        }
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next_, nullptr) != 0) {
        }
    }

private:
    timespec next_{};
};

volatile std::sig_atomic_t stopRequested = 0;

void stopOnSignals();

int watch(const char* path, std::optional<std::int64_t> size) {
    stopOnSignals();

    PortRules rules(size);
    const double started = nowMs();
    Pacer pacer;
    while (!stopRequested) {
        const Sample s = readPort(path);
        rules.observe(s.size, s.value);
        pacer.sleep();
    }
    const double seconds = (nowMs() - started) / 1e3;

    std::printf("reads %lld in %.1f s (%.0f a second), %lld with a value\n", rules.reads(), seconds,
                rules.reads() / seconds, rules.valueReads());
    std::printf("values seen:");
    for (int v = 0; v < 256; ++v) {
        if (rules.counts()[v] > 0) {
            std::printf(" %d x%lld", v, rules.counts()[v]);
        }
    }
    std::printf("\n");
    for (const std::string& fault : rules.faults()) {
        std::printf("FAULT: %s\n", fault.c_str());
    }
    return rules.passed() && rules.valueReads() > 0 ? 0 : 1;
}

void stopOnSignals() {
    std::signal(SIGTERM, [](int) { stopRequested = 1; });
    std::signal(SIGINT, [](int) { stopRequested = 1; });
}

// One round of the second writer: every byte but the port's, a value of this
// round's own, written around it and read back.
bool scribbleRound(int fd, std::vector<std::uint8_t>& mine, long round) {
    for (std::size_t i = 0; i < mine.size(); ++i) {
        mine[i] = static_cast<std::uint8_t>(round + static_cast<long>(i));
    }
    const auto size = static_cast<ssize_t>(mine.size());
    if (::pwrite(fd, mine.data(), PortRules::Offset, 0) != PortRules::Offset ||
        ::pwrite(fd, mine.data() + PortRules::Offset + 1, mine.size() - PortRules::Offset - 1,
                 PortRules::Offset + 1) != size - PortRules::Offset - 1) {
        return false;
    }
    std::vector<std::uint8_t> seen(mine.size());
    if (::pread(fd, seen.data(), seen.size(), 0) != size) {
        return false;
    }
    seen[PortRules::Offset] = mine[PortRules::Offset];
    return seen == mine;
}

int scribble(const char* path) {
    stopOnSignals();
    const int fd = ::open(path, O_RDWR | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || info.st_size <= PortRules::Offset) {
        std::fprintf(stderr, "scribble: %s is no port file of 56 bytes or more\n", path);
        return 2;
    }
    std::vector<std::uint8_t> mine(static_cast<std::size_t>(info.st_size));
    long rounds = 0, lost = 0;
    Pacer pacer;
    for (; !stopRequested; ++rounds) {
        lost += !scribbleRound(fd, mine, rounds);
        pacer.sleep();
    }
    ::close(fd);
    std::printf("scribble: %ld rounds of %lld bytes, %ld with a byte lost\n", rounds,
                static_cast<long long>(info.st_size) - 1, lost);
    return lost == 0 && rounds > 0 ? 0 : 1;
}

// Polls until `done` says so; false when `timeoutMs` ran out first.
template <typename Done> bool pollUntil(const char* path, double timeoutMs, Done done) {
    const double started = nowMs();
    Pacer pacer;
    while (nowMs() - started < timeoutMs) {
        if (done(readPort(path).value, nowMs())) {
            return true;
        }
        pacer.sleep();
    }
    return false;
}

int usage() {
    std::fprintf(stderr, "usage: port-watch watch FILE [SIZE] | wait FILE VALUE MS | "
                         "idle FILE HOLD_MS MS | scribble FILE\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        return usage();
    }
    const std::string mode = argv[1];
    const char* path = argv[2];
    if (mode == "watch" && argc <= 4) {
        return watch(path,
                     argc == 4 ? std::optional<std::int64_t>(std::atoll(argv[3])) : std::nullopt);
    }
    if (mode == "scribble" && argc == 3) {
        return scribble(path);
    }
    if (mode == "wait" && argc == 5) {
        const int wanted = std::atoi(argv[3]);
        return pollUntil(path, std::atof(argv[4]),
                         [&](std::optional<std::uint8_t> v, double) { return v == wanted; })
                   ? 0
                   : 1;
    }
    if (mode == "idle" && argc == 5) {
        const double hold = std::atof(argv[3]);
        double zeroSince = -1; // below zero: the last read was not 0
        return pollUntil(path, std::atof(argv[4]),
                         [&](std::optional<std::uint8_t> v, double now) {
                             if (v != 0) {
                                 zeroSince = -1;
                                 return false;
                             }
                             if (zeroSince < 0) {
                                 zeroSince = now;
                             }
                             return now - zeroSince >= hold;
                         })
                   ? 0
                   : 1;
    }
    return usage();
}
