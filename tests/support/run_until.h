#pragma once
#include <functional>

// Runs the event loop until done() holds or the bound passes; answers done().
bool RunUntil(const std::function<bool()>& done, int boundMs = 5000);
