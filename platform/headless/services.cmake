# Recording window, sound and shell services, glyph sources, and the whole headless platform.
target_sources(marovek_headless PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/glyphs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/glyphs.h
    ${CMAKE_CURRENT_LIST_DIR}/recording_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/recording_services.h
    ${CMAKE_CURRENT_LIST_DIR}/test_platform.cpp)
