# Sources of the cards: trade options, the Cards command and turn-in, the card windows.
target_sources(marovek_game PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/cards_state.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cards_options.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cards_command.cpp
    ${CMAKE_CURRENT_LIST_DIR}/card_layouts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/card_windows.cpp)
