#pragma once
// Which bars and dialogs still exist: guards and deferred work check here
// before they touch an object a handler may have destroyed.
namespace morv::detail {

void RegisterLive(const void* object);
void UnregisterLive(const void* object);
bool IsLive(const void* object);

} // namespace morv::detail
