#pragma once

#include <cstdint>
#include <string>

// The emulator's port file: "emu_port.dat" in the temporary directory, one byte
// per emulated I/O port from 100 upward, port p at byte offset p - 100.
namespace portio {

inline constexpr const char* PortFileName = "emu_port.dat";
inline constexpr std::int32_t FirstPort = 100;
// Emulated I/O ports are 16-bit; anything above has no byte in the file.
inline constexpr std::int32_t LastPort = 65535;

// Writes `value` as the byte of `port`. The file is opened (created when
// absent), written and closed on every call, so the emulator can open it at any
// time in between. Every failure is silent; the next call starts afresh.
void WritePort(std::int32_t port, std::uint8_t value) noexcept;

// WritePort, telling whether the byte reached the file: true only when the
// one byte was written into a regular file; false on every failure, which is
// as silent as WritePort's.
bool TryWritePort(std::int32_t port, std::uint8_t value) noexcept;

// The full path of the port file, or an empty string when the temporary
// directory cannot be used. A directory reported as empty leaves the bare file
// name, which names the file in the current working directory.
std::string PortFilePath();

} // namespace portio
