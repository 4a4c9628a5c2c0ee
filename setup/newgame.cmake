# New Game, Quick Launch, the reset of game state, the set-up dialogs and the personalities.
target_sources(marovek_game PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/new_game.cpp
    ${CMAKE_CURRENT_LIST_DIR}/new_game_clear.cpp
    ${CMAKE_CURRENT_LIST_DIR}/new_game_players.cpp
    ${CMAKE_CURRENT_LIST_DIR}/new_game_rules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/new_game_start.cpp
    ${CMAKE_CURRENT_LIST_DIR}/new_game_state.cpp
    ${CMAKE_CURRENT_LIST_DIR}/quick_launch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/high_score_code.cpp
    ${CMAKE_CURRENT_LIST_DIR}/personalities.cpp
    ${CMAKE_CURRENT_LIST_DIR}/personalities_command.cpp
    ${CMAKE_CURRENT_LIST_DIR}/setup_dialogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/setup_dialogs_info.cpp
    ${CMAKE_CURRENT_LIST_DIR}/setup_dialogs_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/setup_dialogs_rules.cpp)
