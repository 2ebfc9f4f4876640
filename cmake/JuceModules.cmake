# The JUCE modules, compiled once into one static library that the plug-in,
# the tests, the benchmarks and the tools all link. The library re-exports the
# module include paths and configuration macros so that every user sees the
# same JUCE configuration it was built with.
add_library(tavik_juce STATIC)

target_link_libraries(tavik_juce
    PRIVATE
        juce::juce_audio_utils
        juce::juce_dsp
    PUBLIC
        juce::juce_recommended_config_flags
        juce::juce_recommended_warning_flags)

target_compile_definitions(tavik_juce
    PUBLIC
        JUCE_WEB_BROWSER=0
        JUCE_USE_CURL=0
        JUCE_DISPLAY_SPLASH_SCREEN=0
        JUCE_REPORT_APP_USAGE=0
        JUCE_VST3_CAN_REPLACE_VST2=0
        JUCE_PLUGINHOST_VST3=1
        JUCE_USE_FLAC=1
        JUCE_USE_OGGVORBIS=1
        JUCE_JACK=1
        JUCE_ALSA=1
        JUCE_STRICT_REFCOUNTEDPOINTER=1
        JUCE_SILENCE_XCODE_15_LINKER_WARNING=1
    INTERFACE
        $<TARGET_PROPERTY:tavik_juce,COMPILE_DEFINITIONS>)

target_include_directories(tavik_juce
    INTERFACE
        $<TARGET_PROPERTY:tavik_juce,INCLUDE_DIRECTORIES>)

set_target_properties(tavik_juce PROPERTIES
    POSITION_INDEPENDENT_CODE TRUE
    VISIBILITY_INLINES_HIDDEN TRUE
    C_VISIBILITY_PRESET hidden
    CXX_VISIBILITY_PRESET hidden)

# Debian's JUCE decodes PNG, JPEG, FLAC and Ogg Vorbis with the system libraries.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(TAVIK_CODECS REQUIRED IMPORTED_TARGET flac vorbisenc vorbisfile vorbis ogg libpng libjpeg zlib)
    target_link_libraries(tavik_juce PUBLIC PkgConfig::TAVIK_CODECS)
endif()
