# The menu bar, toolbar and status-pane tables of the main window.
target_sources(marovek_game PRIVATE ${CMAKE_CURRENT_LIST_DIR}/menu.cpp)
