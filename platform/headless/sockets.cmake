# The in-memory network and the scripted game-list transfers.
target_sources(marovek_headless PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/loopback_sockets.h ${CMAKE_CURRENT_LIST_DIR}/loopback_sockets.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scripted_transfer.h ${CMAKE_CURRENT_LIST_DIR}/scripted_transfer.cpp)
