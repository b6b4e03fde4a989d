# The Windows side: the repair logic on the real API, its tests run under Wine.

# Only system DLLs at run time: no libgcc, libstdc++ or winpthread beside it.
add_link_options(-static)
# Same sources, same bytes: no build paths or timestamps in the output.
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.)
add_link_options(-Wl,--no-insert-timestamp)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

add_library(regrepair_logic STATIC
    src/texts/run_directory.cpp
    src/texts/profile_text.cpp
    src/texts/lookup_text.cpp
    src/texts/success_notice.cpp
    src/texts/notice.cpp
    src/repair/registry_text.cpp
    src/repair/probe_chosen_file.cpp
    src/repair/repair_registry.cpp)
target_link_libraries(regrepair_logic PUBLIC regrepair_core user32 advapi32)
target_compile_options(regrepair_logic PRIVATE -Wall -Wextra)


# The tool itself.
configure_file(src/shell/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)
add_executable(RegRepair WIN32
    src/shell/main.cpp
    src/shell/main_window.cpp
    src/shell/file_dialog.cpp
    src/shell/resources.rc)
target_include_directories(RegRepair PRIVATE ${CMAKE_BINARY_DIR}/generated src/shell)
target_link_libraries(RegRepair PRIVATE regrepair_logic comdlg32 gdi32)
target_compile_options(RegRepair PRIVATE -Wall -Wextra)
target_link_options(RegRepair PRIVATE -s)
# A copy beside the end-to-end tests, which give it its settings files there.
add_custom_command(TARGET RegRepair POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:RegRepair> ${CMAKE_BINARY_DIR}/tests-bin/)

add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
add_subdirectory(tests/windows)
