#pragma once
// The images the view draws with, looked up once at a density in the
// control library's image cache. A missing image stays null and is skipped
// where it would be drawn.
#include "platform/canvas.h"

#include <string>

// States of a port frame: normal, warning, unknown (not online).
enum EPortState { PORT_NORMAL = 0, PORT_WARNING = 1, PORT_UNKNOWN = 2 };

struct SViewImages {
    const Image* portFrame[3] = {};   // Monitor\PortFrame
    const Image* portFrame2[3] = {};  // Monitor\PortFrame2 (connector)
    const Image* portBackup[3] = {};  // Monitor\PortFrameBackup
    const Image* portBackup2[3] = {}; // Monitor\PortFrameBackup, second image
    const Image* fiberMain[3] = {};   // Monitor\FiberBoard\MainFiber: normal, warning, unknown
    const Image* fiberBackup[3] = {}; // Monitor\FiberBoard\BackupFiber
    const Image* senderFrameNormal = nullptr;
    const Image* senderFrameOffline = nullptr;
    const Image* statusOnline = nullptr;
    const Image* statusOffline = nullptr;
    const Image* statusWarning = nullptr;
    const Image* backupMark = nullptr;   // Port\Backup\Normal.png: also the port unit
    const Image* brokenMarker = nullptr; // 14/20/30/50.png by density
    const Image* watermark = nullptr;
};

// Looks every image up under the image root at the density factor; the
// watermark as ProductList.ini in the product folder says.
SViewImages LoadViewImages(const std::string& imageRoot, const std::string& productFolder, double density);

// The broken-chain marker's name at a density factor.
const char* BrokenMarkerName(double density);
// The product watermark's file name at a density factor, given which exist.
std::string ProductWatermarkName(double density, bool has250, bool has150);
