#include "TavikResources.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
    // Starts the framework's GUI side on the test thread, which thereby
    // becomes the message thread, and holds the shared fonts the way an open
    // editor does.
    class GuiTestEnvironment : public ::testing::Environment
    {
    public:
        void SetUp() override
        {
            initialiser = std::make_unique<juce::ScopedJuceInitialiser_GUI>();
            SharedFonts::acquire();
        }

        void TearDown() override
        {
            SharedFonts::release();
            initialiser.reset();
        }

    private:
        std::unique_ptr<juce::ScopedJuceInitialiser_GUI> initialiser;
    };

    [[maybe_unused]] auto* const environment = ::testing::AddGlobalTestEnvironment (new GuiTestEnvironment());
}
