# Recording window, sound and shell services, and the whole headless platform for tests.
target_sources(marovek_headless PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/recording_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/recording_services.h
    ${CMAKE_CURRENT_LIST_DIR}/test_platform.cpp)
