# The dialog base class and its control model (toolkit-free).
target_sources(marovek_platform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/dialog.cpp)
