#include "TavikResources.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <X11/Xlib.h>

namespace
{
    // The framework sets up its X error handler only in stand-alone
    // applications; a plug-in's host has its own. Without one, Xlib ends the
    // program at the first error, and a bare virtual X server with no window
    // manager lacks window-manager atoms that the framework's windows refer to.
    int ignoreXError (Display*, XErrorEvent*)
    {
        return 0;
    }

    // Starts the framework's GUI side on the test thread, which thereby
    // becomes the message thread, and holds the shared fonts the way an open
    // editor does.
    class GuiTestEnvironment : public ::testing::Environment
    {
    public:
        void SetUp() override
        {
            XSetErrorHandler (ignoreXError);
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
