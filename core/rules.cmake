# Sources of the rules: deal, reinforcements, attack resolution, turn commands and army count.
target_sources(marovek_game PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/deal.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reinforcements.cpp
    ${CMAKE_CURRENT_LIST_DIR}/attack.cpp
    ${CMAKE_CURRENT_LIST_DIR}/attack_battle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/attack_end.cpp
    ${CMAKE_CURRENT_LIST_DIR}/attack_help.cpp
    ${CMAKE_CURRENT_LIST_DIR}/turn_commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/army_count.cpp)
