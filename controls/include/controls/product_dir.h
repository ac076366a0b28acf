#pragma once
// The product folder of the control library: "Product/" next to the
// library, holding "ProductList.ini" and the watermark images.
#include <string>

class CProductDirectorySet {
public:
    // The product folder with a trailing separator.
    static std::string GetRootDir();
};
