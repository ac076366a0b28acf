#pragma once
// Visibility of what the host's libraries export. Records whose inline
// members a plug-in compiles into itself carry HOST_RECORD_API so that the
// plug-in can export them again; classes and functions implemented in the
// host's shared libraries carry HOST_API.
#define HOST_API __attribute__((visibility("default")))
#define HOST_RECORD_API __attribute__((visibility("default")))

static_assert(sizeof(int) == 4, "indices and words of the host interfaces are 32-bit");
