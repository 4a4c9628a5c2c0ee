# The shell's state: settings file, process-wide storage, the view's start-up, frame rules.
target_sources(marovek_game PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/storage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view_construction.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/quit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/idle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/status.cpp
    ${CMAKE_SOURCE_DIR}/core/session_state.cpp)
