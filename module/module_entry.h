#pragma once
// The library's one exported entry.
class IVistranoLabel;
class IQuarnLabel;

// Gathers the host's services into the module-global handles, creates the
// page as a child of the host's page area and hands back its interface,
// and registers the page state for the monitor data updates. Answers 1 on
// success, 0 on failure (null arguments, the page window not created).
// While the page exists a further call only replaces the host handle and
// hands back the same page.
extern "C" __attribute__((visibility("default"))) int Monitor_Init(IVistranoLabel* host, IQuarnLabel** out);

// Dialog template of the page.
constexpr unsigned kLabelMonitorTemplate = 211;
