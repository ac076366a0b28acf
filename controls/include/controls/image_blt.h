#pragma once
// Drawing of skin images into rectangles.
#include "platform/canvas.h"

// Image drawing types of ImageCusBlt.
enum EImageBltType : int {
    BltStretch = 0,  // scaled into the rectangle
    BltCenter = 1,   // unscaled, centred in the rectangle
    BltTopLeft = 2,  // unscaled at the rectangle's top-left corner
    BltFit = 3,      // centred; scaled down, proportions kept, when larger than the rectangle
    BltNinePart = 7, // corners keep their size, edges and middle stretch
};

class CCusFuntionEx {
public:
    // Draws an image into dest by type; margins are used by the nine-part
    // type only, turns rotate the image clockwise by quarter turns (0..3)
    // before it is placed. A null image or an empty rectangle draws nothing.
    static void ImageCusBlt(ICanvas& dc, const Image* image, const CRect& dest, int type, int marginLeft = 0,
                            int marginTop = 0, int marginRight = 0, int marginBottom = 0, int quarterTurns = 0);
};
