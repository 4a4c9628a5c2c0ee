# Sources of map selection and the game description texts.
target_sources(marovek_game PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/map_selection.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_title.cpp)
