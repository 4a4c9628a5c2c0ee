# Network-game sockets on Qt Network.
target_sources(marovek_qtplatform PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/message_frames.h ${CMAKE_CURRENT_LIST_DIR}/message_frames.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt_socket.h ${CMAKE_CURRENT_LIST_DIR}/qt_socket.cpp)
