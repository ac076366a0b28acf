#include "module/item_keys.h"

namespace {

constexpr uint64_t Field(int32_t v, uint32_t mask, int shift)
{
    return static_cast<uint64_t>(static_cast<uint32_t>(v) & mask) << shift;
}

uint64_t ItemHead(const SCurrentObject& obj, int32_t c)
{
    return Field(obj.nScope, 0xFF, 56) | Field(obj.nRenderType, 0xFF, 48) | Field(c, 0xFFFF, 32);
}

} // namespace

uint64_t ItemKey(const SCurrentObject& obj, int32_t c) { return ItemHead(obj, c) | 0xFFFFFFFFu; }

uint64_t ItemKey(const SCurrentObject& obj, int32_t c, int32_t d)
{
    return ItemHead(obj, c) | Field(d, 0xFF, 24) | 0xFFFFFFu;
}

uint64_t ItemKey(const SCurrentObject& obj, int32_t c, int32_t d, int32_t e)
{
    return ItemHead(obj, c) | Field(d, 0xFF, 24) | Field(e, 0xFF, 16) | 0xFFFFu;
}

uint64_t ItemKey(const SCurrentObject& obj, int32_t c, int32_t d, int32_t e, int32_t f)
{
    return ItemHead(obj, c) | Field(d, 0xFF, 24) | Field(e, 0xFF, 16) | Field(f, 0xFFFF, 0);
}

uint32_t LevelKey(int32_t a, int32_t b, int32_t c)
{
    return static_cast<uint32_t>(Field(a, 0xF, 28) | Field(b, 0xFFF, 16) | Field(c, 0xFFFF, 0));
}

uint32_t LevelKey(int32_t a, int32_t b) { return static_cast<uint32_t>(Field(a, 0xF, 28) | Field(b, 0x0FFFFFFF, 0)); }

uint32_t LevelKey(int32_t a, int32_t b, int32_t c, int32_t d)
{
    return static_cast<uint32_t>(Field(a, 0xF, 28) | Field(b, 0xFF, 20) | Field(c, 0xFF, 12) | Field(d, 0xFFF, 0));
}

uint32_t DemarcationKey(int32_t sender, int32_t port, int32_t receiver)
{
    return static_cast<uint32_t>(Field(sender, 0xFF, 24) | Field(port, 0xFF, 16) | Field(receiver, 0xFFFF, 0));
}
