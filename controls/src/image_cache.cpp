#include "controls/image_cache.h"

#include "platform/path.h"

const Image* CImageData::GetImageFromPath(const std::string& path)
{
    if (path.empty())
        return nullptr;
    const std::string native = plat::NativePath(path);
    std::lock_guard lock(m_mutex);
    if (auto it = m_images.find(native); it != m_images.end())
        return it->second.get();
    ++m_loads;
    auto image = Image::Load(native);
    const Image* borrowed = image.get();
    m_images.emplace(native, std::move(image));
    return borrowed;
}

void CImageData::ReloadImages()
{
    std::lock_guard lock(m_mutex);
    for (auto& [path, image] : m_images)
        if (image)
            m_retired.push_back(std::move(image));
    m_images.clear();
    ++m_generation;
}

std::size_t CImageData::CachedPathCount() const
{
    std::lock_guard lock(m_mutex);
    return m_images.size();
}

std::size_t CImageData::LoadCount() const
{
    std::lock_guard lock(m_mutex);
    return m_loads;
}

std::size_t CImageData::Generation() const
{
    std::lock_guard lock(m_mutex);
    return m_generation;
}

CImageData* CImageLogic::GetImageData()
{
    // Never destroyed: images are borrowed until the very end of the
    // process, including by objects destroyed after static destruction began.
    static CImageData* data = new CImageData;
    return data;
}
