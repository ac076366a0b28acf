#pragma once
// The Ctrl shortcuts that belong to the host rather than to a pane:
// Ctrl+Tab switches the page, Ctrl+O opens a project, Ctrl+S saves it and
// Ctrl+Shift+S saves it as. They work the same from every pane, so each
// pane's message filter (and the page's, which sees its panes' messages
// after them) offers its key presses here first.
#include "platform/window.h"

#include <optional>

// A key press with Control held and neither Alt nor a Windows key, of Tab,
// O or S: handed to the host, whose answer comes back. Any other message,
// or no host: nothing happens and the answer is empty.
std::optional<int> PassHostShortcut(const MSG& msg);
