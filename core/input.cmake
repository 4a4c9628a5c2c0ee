# Sources of the board input: the click and its phases, hit testing, the Continents overlay.
target_sources(marovek_game PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/board_input.cpp
    ${CMAKE_CURRENT_LIST_DIR}/board_input_fame.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hit_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/placement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/placement_add.cpp
    ${CMAKE_CURRENT_LIST_DIR}/attack_clicks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/continents_overlay.cpp
    ${CMAKE_CURRENT_LIST_DIR}/continents_overlay_dialogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/continents_overlay_legend.cpp)
