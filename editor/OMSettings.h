#pragma once

#include <juce_data_structures/juce_data_structures.h>

// The plug-in's per-user settings file: "<product>.settings" in
// <user application data>/Application Support/Orvalmere/<product>. A folder
// that cannot be created or a file that cannot be written only means that
// nothing is saved; the values still work for the running process.
class OMSettings
{
public:
    explicit OMSettings (const juce::String& productName);

    juce::PropertiesFile& getProperties() noexcept { return *properties; }

    static juce::File folderFor (const juce::String& productName);

private:
    juce::String productName;
    juce::File userDataFolder;
    std::unique_ptr<juce::PropertiesFile> properties;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (OMSettings)
};
