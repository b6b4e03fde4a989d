# The native side: the platform-free core under sanitizers, and its fuzzers.

if(REGREPAIR_SANITIZE)
    set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${sanitizers})
    add_link_options(${sanitizers})
endif()

add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
add_subdirectory(tests/host)
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_subdirectory(tests/fuzz)
endif()
