#pragma once
// The image cache. Every image is loaded once per path and kept for the
// life of the process; callers borrow the pointer and never free it.
//
// ReloadImages (the host's request after the skin changed) starts a new
// generation: later look-ups load the files again, while every image handed
// out before stays alive until the process ends, so pointers that panes
// still hold remain valid (they show the old picture until the pane looks
// its images up again).
#include "platform/canvas.h"

#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

class CImageData {
public:
    // The image at a path (backslash names are turned into the platform's
    // separators); null when the file is missing or is not an image. A
    // missing file is remembered too, until the next reload.
    const Image* GetImageFromPath(const std::string& path);
    // Forgets the current generation; see the file comment.
    void ReloadImages();
    // Count of distinct paths in the current generation (loaded or missing).
    std::size_t CachedPathCount() const;
    // How many times a file was read from disk, over the process's life.
    std::size_t LoadCount() const;
    // Number of generations begun so far (1 before any reload).
    std::size_t Generation() const;

private:
    mutable std::mutex m_mutex;
    std::unordered_map<std::string, std::shared_ptr<const Image>> m_images;
    std::vector<std::shared_ptr<const Image>> m_retired;
    std::size_t m_loads = 0;
    std::size_t m_generation = 1;
};

class CImageLogic {
public:
    // The process's image cache; never null.
    static CImageData* GetImageData();
};
