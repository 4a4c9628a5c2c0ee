# The Qt window services, sound channel and desktop shell.
target_sources(marovek_qtplatform PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/qt_window_services.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt_window_services.h
    ${CMAKE_CURRENT_LIST_DIR}/qt_sound_player.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt_shell.cpp)
target_sources(marovek_qtplatform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/qt_file_dialogs.cpp)
