# The About box.
target_sources(marovek_game PRIVATE ${CMAKE_CURRENT_LIST_DIR}/about_dlg.cpp)
