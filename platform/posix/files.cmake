# The POSIX files and folders, the system clock and the computer's name.
target_sources(marovek_platform PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/posix_files.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_clock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/host_name.cpp)
