#pragma once
// The demo's picture: one column per density factor.
#include "platform/canvas.h"

// Size of the whole picture.
CSize DemoSceneSize();
// Draws the picture with its top-left corner at the canvas origin.
void DrawDemoScene(ICanvas& dc);
