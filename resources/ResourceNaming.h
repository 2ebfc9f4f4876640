#pragma once

#include <cstdint>
#include <string>

// How embedded resources are named and found. Shared by the build tool that
// embeds the files, the artwork generator that names them on its contact
// sheet, and the run-time lookup.
namespace ResourceNaming
{
    // The resource name of a file: letters, digits and underscores are kept,
    // a dot becomes an underscore and everything else is dropped, so
    // "btn_soft_inactive@2x.png" is "btn_soft_inactive2x_png" and
    // "Roboto-Regular.ttf" is "RobotoRegular_ttf".
    inline std::string resourceNameForFile (const std::string& fileName)
    {
        std::string name;
        for (const char c : fileName)
        {
            const bool isLetterOrDigit = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
            if (isLetterOrDigit || c == '_')
                name += c;
            else if (c == '.')
                name += '_';
        }
        return name;
    }

    // h = 31 * h + c over the name's bytes, each taken as a signed 8-bit
    // value, in 32 bits with wrap-around. Resources are found by this value
    // alone.
    constexpr std::uint32_t hashName (const char* name) noexcept
    {
        std::uint32_t hash = 0;
        for (; *name != 0; ++name)
            hash = 31u * hash + static_cast<std::uint32_t> (static_cast<std::int32_t> (static_cast<signed char> (*name)));
        return hash;
    }
}
