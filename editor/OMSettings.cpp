#include "OMSettings.h"

namespace
{
    const char* const makerFolderName = "Orvalmere";

    void createIfMissing (const juce::File& folder)
    {
        if (folder.getFullPathName().isEmpty() || ! folder.exists())
            folder.createDirectory();
    }

    juce::PropertiesFile::Options optionsFor (const juce::String& productName)
    {
        juce::PropertiesFile::Options options;
        options.applicationName = productName;
        options.filenameSuffix = ".settings";
        options.folderName = makerFolderName;
        options.osxLibrarySubFolder = "Application Support";
        options.commonToAllUsers = false;
        options.ignoreCaseOfKeyNames = false;
        options.doNotSave = false;
        options.millisecondsBeforeSaving = 3000;
        options.storageFormat = juce::PropertiesFile::storeAsCompressedBinary;
        options.processLock = nullptr;
        return options;
    }
}

juce::File OMSettings::folderFor (const juce::String& productName)
{
    return juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
        .getChildFile ("Application Support")
        .getChildFile (makerFolderName)
        .getChildFile (productName);
}

OMSettings::OMSettings (const juce::String& name)
    : productName (name),
      userDataFolder (folderFor (name))
{
    createIfMissing (userDataFolder.getParentDirectory());
    createIfMissing (userDataFolder);

    properties = std::make_unique<juce::PropertiesFile> (userDataFolder.getChildFile (productName + ".settings"),
                                                         optionsFor (productName));
}
