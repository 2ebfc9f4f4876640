// Draws the editor's artwork and writes it as PNG files.
//
//   tavik_artwork <Roboto-Regular.ttf> <Roboto-Medium.ttf> <output folder> [<contact sheet.png>]
//
// The same fonts give the same bytes: nothing depends on the time, the
// machine's fonts or a random seed. A file whose bytes would not change is
// left untouched, so the build does not re-embed unchanged images.

#include "Artwork.h"
#include "ContactSheet.h"

#include <iostream>

namespace
{
    bool writeIfChanged (const juce::File& file, const juce::MemoryBlock& bytes)
    {
        juce::MemoryBlock existing;
        if (file.existsAsFile() && file.loadFileAsData (existing) && existing == bytes)
            return true;

        return file.replaceWithData (bytes.getData(), bytes.getSize());
    }

    bool writePng (const juce::Image& image, const juce::File& file)
    {
        juce::MemoryOutputStream encoded;
        juce::PNGImageFormat png;

        if (! png.writeImageToStream (image, encoded))
            return false;

        return writeIfChanged (file, encoded.getMemoryBlock());
    }

    juce::File fileFromArgument (const char* argument)
    {
        return juce::File::getCurrentWorkingDirectory().getChildFile (juce::String::fromUTF8 (argument));
    }
}

int main (int argc, char* argv[])
{
    if (argc != 4 && argc != 5)
    {
        std::cerr << "usage: tavik_artwork <Roboto-Regular.ttf> <Roboto-Medium.ttf> <output folder> [<contact sheet.png>]\n";
        return 2;
    }

    ArtworkFonts fonts;
    if (! fonts.load (fileFromArgument (argv[1]), fileFromArgument (argv[2])))
    {
        std::cerr << "tavik_artwork: cannot load the fonts " << argv[1] << " and " << argv[2] << "\n";
        return 1;
    }

    const auto outputFolder = fileFromArgument (argv[3]);
    if (! outputFolder.createDirectory())
    {
        std::cerr << "tavik_artwork: cannot create " << argv[3] << "\n";
        return 1;
    }

    std::vector<RenderedArtwork> rendered;

    for (const auto& artwork : artworkCatalogue())
    {
        auto image = renderArtwork (artwork, fonts);
        const auto file = outputFolder.getChildFile (artwork.fileName);

        if (! writePng (image, file))
        {
            std::cerr << "tavik_artwork: cannot write " << file.getFullPathName() << "\n";
            return 1;
        }

        rendered.push_back ({ artwork.fileName, std::move (image) });
    }

    if (argc == 5)
    {
        const auto sheetFile = fileFromArgument (argv[4]);
        if (! writePng (drawContactSheet (rendered, fonts), sheetFile))
        {
            std::cerr << "tavik_artwork: cannot write " << sheetFile.getFullPathName() << "\n";
            return 1;
        }
    }

    return 0;
}
