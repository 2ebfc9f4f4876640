# Use ccache when it is installed. Hashing the compiler's working directory is
# switched off so that separate build folders share their cached objects.
find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
    set(launcher "${CMAKE_COMMAND}" -E env CCACHE_NOHASHDIR=true CCACHE_SLOPPINESS=pch_defines,time_macros "${CCACHE_PROGRAM}")
    set(CMAKE_C_COMPILER_LAUNCHER ${launcher})
    set(CMAKE_CXX_COMPILER_LAUNCHER ${launcher})
endif()
