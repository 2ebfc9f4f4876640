#include "DemoSignal.h"
#include "Renderer.h"

#include <cstdio>
#include <unistd.h>

namespace
{
    constexpr double progressBarMinimumSeconds = 5.0;

    // A text progress bar on stderr, drawn only for a terminal and long inputs.
    class ProgressBar
    {
    public:
        explicit ProgressBar (bool isTerminal) : terminal (isTerminal) {}

        void update (double fraction, double totalSeconds)
        {
            const int percent = (int) (fraction * 100.0);
            if (! terminal || totalSeconds <= progressBarMinimumSeconds || percent == lastPercent)
                return;

            lastPercent = percent;
            const int filled = percent * width / 100;
            std::fprintf (stderr, "\r[%s%s] %3d%%", std::string ((size_t) filled, '#').c_str(),
                          std::string ((size_t) (width - filled), '.').c_str(), percent);
            std::fflush (stderr);
        }

        void finish()
        {
            if (lastPercent >= 0)
                std::fprintf (stderr, "\n");
        }

    private:
        static constexpr int width = 40;
        bool terminal;
        int lastPercent = -1;
    };

    int fail (const juce::String& message, int code)
    {
        std::fprintf (stderr, "tavik-render: %s\n", message.toRawUTF8());
        return code;
    }
}

int main (int argc, char* argv[])
{
    juce::StringArray arguments;
    for (int i = 1; i < argc; ++i)
        arguments.add (juce::String::fromUTF8 (argv[i]));

    const auto parsed = parseRenderOptions (arguments);
    if (! parsed.options)
        return fail (parsed.error, 2);

    const auto& options = *parsed.options;
    if (options.help)
    {
        std::printf ("%s", renderUsage().toRawUTF8());
        return 0;
    }

    ProgressBar bar (isatty (fileno (stderr)) != 0);
    const auto showProgress = [&bar] (double fraction, double totalSeconds) { bar.update (fraction, totalSeconds); };
    RenderSummary summary;
    juce::Result result = juce::Result::ok();

    if (options.demo)
    {
        const auto demo = makeDemoSignal (demoSampleRate);
        const juce::File output (juce::File::getCurrentWorkingDirectory().getChildFile (options.outputPath));
        result = renderToFile (sourceFromBuffer (demo, demoSampleRate), output, options, showProgress, summary);
    }
    else
    {
        result = renderFile (options, showProgress, summary);
    }

    bar.finish();

    if (result.failed())
        return fail (result.getErrorMessage(), 1);

    std::printf ("%s\n", summary.describe().toRawUTF8());
    return 0;
}
