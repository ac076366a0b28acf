#pragma once
// Keys of the page state's stores, packed from their parts. Every part is
// masked to its field, so a number wider than its field never spills into
// its neighbour.
#include "module/current_object.h"

#include <cstdint>

// 64-bit item keys: scope (bits 56-63), render type (48-55) and c (32-47,
// the sender index), then d (24-31), e (16-23) and f (0-15) as far as they
// are given; the fields not given are all ones, which keeps the levels
// apart.
uint64_t ItemKey(const SCurrentObject& obj, int32_t c);
uint64_t ItemKey(const SCurrentObject& obj, int32_t c, int32_t d);
uint64_t ItemKey(const SCurrentObject& obj, int32_t c, int32_t d, int32_t e);
uint64_t ItemKey(const SCurrentObject& obj, int32_t c, int32_t d, int32_t e, int32_t f);

// 32-bit level keys (a always in bits 28-31):
// a | b in bits 16-27 | c in bits 0-15 (level points A and B, level rectangles C and D);
uint32_t LevelKey(int32_t a, int32_t b, int32_t c);
// a | b in bits 0-27 (level rectangles A and B);
uint32_t LevelKey(int32_t a, int32_t b);
// a | b in bits 20-27 | c in bits 12-19 | d in bits 0-11 (level rectangle E).
uint32_t LevelKey(int32_t a, int32_t b, int32_t c, int32_t d);

// Demarcation key: sender in bits 24-31, port in 16-23, receiver in 0-15;
// (-1, -1, -1) gives 0xFFFFFFFF, the key of no receiver.
uint32_t DemarcationKey(int32_t sender, int32_t port, int32_t receiver);
constexpr uint32_t kNoDemarcation = 0xFFFFFFFFu;
