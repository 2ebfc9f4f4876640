// Editors write their settings under the user's configuration folder, which
// the framework finds from the home folder; the tests give the whole program a
// private home.

#include <gtest/gtest.h>
#include <juce_core/juce_core.h>

#include <cstdlib>

namespace
{
    class PrivateSettingsFolder : public ::testing::Environment
    {
    public:
        void SetUp() override
        {
            folder = juce::File::createTempFile ("tavik-editor-tests");
            folder.createDirectory();
            setenv ("HOME", folder.getFullPathName().toRawUTF8(), 1);
        }

        void TearDown() override { folder.deleteRecursively(); }

    private:
        juce::File folder;
    };

    [[maybe_unused]] auto* const environment = ::testing::AddGlobalTestEnvironment (new PrivateSettingsFolder());
}
