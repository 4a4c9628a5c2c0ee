# The scripted file dialogs for tests and simulations.
target_sources(marovek_headless PRIVATE ${CMAKE_CURRENT_LIST_DIR}/scripted_file_dialogs.cpp)
