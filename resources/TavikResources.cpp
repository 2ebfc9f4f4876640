#include "TavikResources.h"

#include "ResourceNaming.h"

#include <algorithm>

const char* getNamedResource (const char* resourceNameUTF8, int& sizeOut)
{
    sizeOut = 0;

    if (resourceNameUTF8 == nullptr || *resourceNameUTF8 == 0)
        return nullptr;

    const auto hash = ResourceNaming::hashName (resourceNameUTF8);
    const auto* first = BinaryData::namedResources;
    const auto* last = first + BinaryData::namedResourceCount;
    const auto* found = std::lower_bound (first, last, hash,
                                          [] (const BinaryData::NamedResource& resource, std::uint32_t h)
                                          { return resource.nameHash < h; });

    if (found == last || found->nameHash != hash)
        return nullptr;

    sizeOut = found->size;
    return found->data;
}

juce::Image getImageByFullName (const char* resourceName)
{
    int size = 0;
    const auto* data = getNamedResource (resourceName, size);

    if (data == nullptr)
        return {};

    return juce::ImageCache::getFromMemory (data, size);
}

juce::Image getNamedImage (const juce::String& baseName)
{
    return getImageByFullName ((baseName + "2x_png").toRawUTF8());
}
