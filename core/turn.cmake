# Sources of the turn engine: queues, clock, hand-over, sounds, command state, placeholders.
target_sources(marovek_game PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/turn_state.cpp
    ${CMAKE_CURRENT_LIST_DIR}/queues.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game_sounds.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game_clock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game_clock_demo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game_clock_events.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game_clock_messages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game_clock_end.cpp
    ${CMAKE_CURRENT_LIST_DIR}/turn_handover.cpp
    ${CMAKE_CURRENT_LIST_DIR}/command_state.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pending_operations.cpp)
