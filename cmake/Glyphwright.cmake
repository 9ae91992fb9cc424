# Helpers shared by the folders' CMakeLists.
#
# Every library and test lists its Windows-free sources after PORTABLE and the
# ones that need windows.h after WINDOWS. The native build (GW_NATIVE) compiles
# only the portable ones, with the sanitizers; the cross build compiles all.

set(GW_TEST_SUPPORT ${PROJECT_SOURCE_DIR}/tests/support/reports.cpp)
if(NOT GW_NATIVE)
    list(APPEND GW_TEST_SUPPORT ${PROJECT_SOURCE_DIR}/tests/support/dialogs_win.cpp)
endif()

# gw_library(name PORTABLE ... NATIVE ... WINDOWS ... DEPENDS ... WINDOWS_DEPENDS ... SYSTEM ...)
# NATIVE sources stand in for Windows ones in the native build; WINDOWS_DEPENDS
# (libraries that exist only in the cross build) and SYSTEM (Windows import
# libraries) are linked in the cross build only.
function(gw_library name)
    cmake_parse_arguments(ARG "" "" "PORTABLE;NATIVE;WINDOWS;DEPENDS;WINDOWS_DEPENDS;SYSTEM" ${ARGN})
    set(sources ${ARG_PORTABLE})
    if(GW_NATIVE)
        list(APPEND sources ${ARG_NATIVE})
    else()
        list(APPEND sources ${ARG_WINDOWS})
    endif()
    if(NOT sources)
        return()
    endif()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    if(NOT GW_NATIVE)
        target_link_libraries(${name} PUBLIC ${ARG_WINDOWS_DEPENDS} ${ARG_SYSTEM})
    endif()
endfunction()

# gw_test(name PORTABLE ... WINDOWS ... DEPENDS ... WINDOWS_DEPENDS ...)
# One GoogleTest program per folder; labelled `native` in the sanitizer build
# and `wine` in the cross build, where it runs under Wine. WINDOWS_DEPENDS are
# linked in the cross build only.
function(gw_test name)
    cmake_parse_arguments(ARG "" "" "PORTABLE;WINDOWS;DEPENDS;WINDOWS_DEPENDS" ${ARGN})
    set(sources ${ARG_PORTABLE})
    if(NOT GW_NATIVE)
        list(APPEND sources ${ARG_WINDOWS})
    endif()
    if(NOT sources)
        return()
    endif()
    add_executable(${name} ${sources} ${GW_TEST_SUPPORT})
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest_main)
    if(NOT GW_NATIVE)
        target_link_libraries(${name} PRIVATE ${ARG_WINDOWS_DEPENDS})
    endif()
    if(GW_NATIVE)
        set(label native)
    else()
        set(label wine)
    endif()
    add_test(NAME ${label}.${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${label}.${name} PROPERTIES LABELS ${label} TIMEOUT 600)
    if(GW_NATIVE) # tests ask for impossible sizes on purpose
        set_tests_properties(${label}.${name} PROPERTIES ENVIRONMENT ASAN_OPTIONS=allocator_may_return_null=1)
    endif()
endfunction()

# Compiles the program's resources (strings, menus, icons, cursors) into
# `target` too, for tests and benchmarks that load them from their own module.
function(gw_use_resources target)
    set(rc ${PROJECT_SOURCE_DIR}/resources/glyphwright.rc)
    target_sources(${target} PRIVATE ${rc})
    target_link_libraries(${target} PRIVATE gw_resources)
    get_source_file_property(included ${rc} TARGET_DIRECTORY glyphwright OBJECT_DEPENDS)
    set_source_files_properties(${rc} TARGET_DIRECTORY ${target} PROPERTIES OBJECT_DEPENDS "${included}")
endfunction()
