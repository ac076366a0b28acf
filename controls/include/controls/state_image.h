#pragma once
// State images: a control's image folder holds one file per state.
// "Normal.png", "Hover.png", "Down.png", "Disable.png", "Checked.png".
// A folder without the file of a state draws its "Normal.png"; an image
// name that ends in ".png" is a single file used for every state.
#include "platform/canvas.h"

#include <string>

enum class EImageState { Normal, Hover, Down, Disable, Checked };

namespace morv {

const char* StateFileName(EImageState state);

// The state of an item from its flags, by precedence: disabled, pressed,
// checked, hovered, else normal.
EImageState PickImageState(bool enabled, bool pressed, bool checked, bool hovered);

// The image for a state from a folder (relative names are resolved against
// the skin's image root at the current density), through the image cache;
// null when neither the state file nor Normal.png exists.
const Image* StateImage(const std::string& folderOrFile, EImageState state);

} // namespace morv
