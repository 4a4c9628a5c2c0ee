# Build helpers shared by every folder.

# Adds `flag` to the warnings of our own code when the compiler knows the warning `probe` (a
# compiler that does not know it would stop at the flag, warnings being errors). GCC accepts any
# -Wno- flag, so the probe is the warning's positive form.
include(CheckCXXCompilerFlag)
function(marovek_warning_if_known probe flag)
    string(MAKE_C_IDENTIFIER "MAROVEK_KNOWS${probe}" known)
    check_cxx_compiler_flag(${probe} ${known})
    if(${known})
        target_compile_options(marovek_warnings INTERFACE ${flag})
    endif()
endfunction()

# Fails the configure step when one of the given targets links Qt, and adds a build step
# that fails when a file in the toolkit-free folders includes a Qt header.
function(marovek_forbid_qt)
    foreach(target ${ARGN})
        get_target_property(libs ${target} LINK_LIBRARIES)
        get_target_property(ilibs ${target} INTERFACE_LINK_LIBRARIES)
        foreach(lib ${libs} ${ilibs})
            if(lib MATCHES "Qt[0-9]*::")
                message(FATAL_ERROR "${target} links ${lib}: the game library stays toolkit-free")
            endif()
        endforeach()
    endforeach()
    add_custom_target(check_no_qt ALL
        COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/check_no_qt.cmake
        COMMENT "Checking that the game library includes no Qt header")
endfunction()

# Adds a build step that fails when a folder includes a folder it must not (the folders'
# layering, cmake/check_include_graph.cmake).
function(marovek_check_layering)
    add_custom_target(check_include_graph ALL
        COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR} -P
            ${CMAKE_SOURCE_DIR}/cmake/check_include_graph.cmake
        COMMENT "Checking the folders' layering")
endfunction()

# One GoogleTest executable per subsystem: marovek_add_test(name SOURCES ... LIBS ...). A program
# on the game starts each of its tests from the game's process state reset
# (tests/support/game_test_main.cpp); the others use GoogleTest's own main.
find_package(GTest REQUIRED)
include(GoogleTest)
function(marovek_add_test name)
    cmake_parse_arguments(T "QT" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    set(main GTest::gtest_main)
    foreach(game marovek_game marovek_app marovek_sim)
        if(game IN_LIST T_LIBS)
            set(main marovek_game_test_main)
        endif()
    endforeach()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest ${main} marovek_warnings)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()
