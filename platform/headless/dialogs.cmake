# The scripted dialog host for tests and simulations.
target_sources(marovek_headless PRIVATE ${CMAKE_CURRENT_LIST_DIR}/scripted_dialog_host.cpp)
