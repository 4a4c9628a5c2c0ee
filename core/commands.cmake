# The view's command table and its routing.
target_sources(marovek_game PRIVATE ${CMAKE_CURRENT_LIST_DIR}/command_routing.cpp)
