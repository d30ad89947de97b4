#pragma once

#include <cstdint>
#include <span>

// The committed passenger.wmf, built into the program.
std::span<const std::uint8_t> passengerBytes();
