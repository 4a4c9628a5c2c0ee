# The Qt dialog host: real dialogs built from the game's templates.
target_sources(marovek_qtplatform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/qt_dialog_host.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt_dialog_host.h)
