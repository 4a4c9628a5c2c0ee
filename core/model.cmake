# Sources of the game model: map texts, campaign files, their loaders and the attack-route table.
target_sources(marovek_game PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/map_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/map_loader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/campaign_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/campaign_loader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/campaign_state.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../ai/route_table.cpp)
