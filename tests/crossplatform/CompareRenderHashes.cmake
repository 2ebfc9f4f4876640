# cmake -DNATIVE=<program> -DEMULATOR=<qemu-aarch64-static> -DAARCH64=<program>
#       -P CompareRenderHashes.cmake
#
# Runs the render hash program natively and its aarch64 build under the
# emulator. Each must succeed and name the vector path it was built with (SSE
# and NEON); everything else they print must be the same.

execute_process(COMMAND ${NATIVE} RESULT_VARIABLE native_result OUTPUT_VARIABLE native_output)
execute_process(COMMAND ${EMULATOR} ${AARCH64} RESULT_VARIABLE aarch64_result OUTPUT_VARIABLE aarch64_output)

message("x86-64:\n${native_output}\naarch64, emulated:\n${aarch64_output}")

if(NOT native_result EQUAL 0 OR NOT aarch64_result EQUAL 0)
    message(FATAL_ERROR "a run failed: x86-64 ${native_result}, aarch64 ${aarch64_result}")
endif()

string(REGEX REPLACE "^Float4: SSE\n" "" native_hashes "${native_output}")
string(REGEX REPLACE "^Float4: NEON\n" "" aarch64_hashes "${aarch64_output}")
if(native_hashes STREQUAL native_output OR aarch64_hashes STREQUAL aarch64_output)
    message(FATAL_ERROR "expected the x86-64 build on the SSE path and the aarch64 build on the NEON path")
endif()

if(native_hashes STREQUAL "")
    message(FATAL_ERROR "the programs printed no hashes")
endif()

if(NOT native_hashes STREQUAL aarch64_hashes)
    message(FATAL_ERROR "the NEON path renders differently from the SSE path")
endif()
