# Project-wide settings and the helpers that place what is built.
add_compile_options(-Wall -Wextra -Wshadow)
include_directories(${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)

# The version is written once, in project(); Version.h carries it to the code and the resources,
# and version.nsh to the setup, with the main window's caption.
set(QUILLMERE_CAPTION "Quillmere ${PROJECT_VERSION}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/Version.h.in ${PROJECT_BINARY_DIR}/generated/Version.h @ONLY)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)

# The folder that holds everything that is installed together on Windows, and the one where
# tools/artwork draws the programs' icons and the logo.
set(QUILLMERE_DIST_DIR ${PROJECT_BINARY_DIR}/dist)
set(QUILLMERE_ARTWORK_DIR ${PROJECT_BINARY_DIR}/artwork)

# Tests of each build are named after it, so that one CTest run over all builds keeps them apart.
set(QUILLMERE_TEST_PREFIX "" CACHE STRING "prefix of this build's test names")

if(CMAKE_CROSSCOMPILING)
    # The cross build runs tools of the native build: the book tool and the artwork tool.
    set(QUILLMERE_NATIVE_TOOLS "" CACHE PATH "the bin folder of the native build")
    if(NOT QUILLMERE_NATIVE_TOOLS)
        message(FATAL_ERROR "QUILLMERE_NATIVE_TOOLS must name the native build's bin folder; build the native preset first")
    endif()
endif()

if(WIN32)
    # Windows programs run under Wine, all in one prefix kept in the build tree.
    set(QUILLMERE_WINE_STATE ${PROJECT_BINARY_DIR}/wine)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tests/wine/run ${QUILLMERE_WINE_STATE})
endif()

# The Windows programs and tests made after it in the calling scope run in a Wine prefix of their
# own, in the build's folder state, made and started with the environment (VAR=VALUE ...) given
# after state.
macro(quillmere_wine_prefix state)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env ${ARGN} ${PROJECT_SOURCE_DIR}/tests/wine/run
        ${PROJECT_BINARY_DIR}/${state})
endmacro()

# The names that the programs, the build and the setup share, as contract/ProgramNames.h writes
# them: each #define NAME "value" there becomes the variable NAME, and QUILLMERE_SHARED_NAMES
# lists them.
file(STRINGS ${PROJECT_SOURCE_DIR}/contract/ProgramNames.h name_lines REGEX "^#define [A-Z_]+ \"")
set(QUILLMERE_SHARED_NAMES)
foreach(line ${name_lines})
    string(REGEX REPLACE "^#define ([A-Z_]+) \"(.*)\"$" "\\1;\\2" name_and_value "${line}")
    list(GET name_and_value 0 name)
    list(GET name_and_value 1 value)
    set(${name} "${value}")
    list(APPEND QUILLMERE_SHARED_NAMES ${name})
endforeach()

# Puts a program that ships into the Windows program folder, hardened against planted DLLs: it
# links the load configuration and the search restriction of framework/win/SafeDllSearch, and the
# load configuration entry is filled in after the link.
function(quillmere_ship target)
    if(WIN32)
        set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUILLMERE_DIST_DIR})
        target_link_libraries(${target} PRIVATE framework_dll_search)
        add_custom_command(TARGET ${target} POST_BUILD
            COMMAND ${QUILLMERE_NATIVE_TOOLS}/set-load-config $<TARGET_FILE:${target}>)
    endif()
endfunction()

# A DLL that a program needs only after its window is up is loaded on the first call into it, so
# that the start does not pay for loading and initialising it: links an import library, made by
# dlltool from cmake/delay/DLL.def, whose entries load the DLL when they are first called.
function(quillmere_delay_load target dll)
    set(definitions ${PROJECT_SOURCE_DIR}/cmake/delay/${dll}.def)
    set(library ${PROJECT_BINARY_DIR}/delay/lib${dll}-delay.a)
    if(NOT TARGET delay_${dll})
        add_custom_command(OUTPUT ${library}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/delay
            COMMAND ${CMAKE_DLLTOOL} --input-def ${definitions} --output-delaylib ${library}
            DEPENDS ${definitions}
            COMMENT "Making the delay-load import library of ${dll}")
        add_custom_target(delay_${dll} DEPENDS ${library})
    endif()
    add_dependencies(${target} delay_${dll})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
        target_link_libraries(${target} PRIVATE ${library})
    else()
        target_link_libraries(${target} INTERFACE ${library})
    endif()
endfunction()
