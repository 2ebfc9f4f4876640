# Optional instrumented builds, applied to every target including the JUCE
# modules library:
#   -DTAVIK_SANITIZE=address,undefined   AddressSanitizer + UndefinedBehaviorSanitizer
#   -DTAVIK_SANITIZE=thread              ThreadSanitizer
#   -DTAVIK_FUZZ=ON                      libFuzzer targets (clang only)
set(TAVIK_SANITIZE "" CACHE STRING "Sanitizers to build everything with (e.g. address,undefined or thread)")
option(TAVIK_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(TAVIK_SANITIZE)
    add_compile_options(-fsanitize=${TAVIK_SANITIZE} -fno-omit-frame-pointer -g)
    add_link_options(-fsanitize=${TAVIK_SANITIZE})
    if(TAVIK_SANITIZE MATCHES "undefined")
        add_compile_options(-fno-sanitize-recover=undefined)
        if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
            add_compile_options(-fsanitize-ignorelist=${CMAKE_CURRENT_LIST_DIR}/sanitizer-ignorelist.txt)
        endif()
    endif()
endif()

if(TAVIK_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "TAVIK_FUZZ needs clang (configure with CXX=clang++ CC=clang)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
