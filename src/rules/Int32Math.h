// The host game's 32-bit integer arithmetic: results wrap around like the
// game's own 32-bit registers instead of overflowing.
#pragma once

#include <cstdint>

namespace tolvane {

// The low 32 bits of a 64-bit intermediate as a signed 32-bit value. Sums
// and products of 32-bit operands computed in 64 bits and wrapped here give
// exactly what step-by-step 32-bit arithmetic gives.
constexpr int32_t Wrap32(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v)); }

// Whether a value lies in the 32-bit range, where Wrap32 keeps it as it is.
constexpr bool Fits32(int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

}  // namespace tolvane
