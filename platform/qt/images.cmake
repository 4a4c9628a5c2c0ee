# Qt images: the surface conversion and the Qt picture decoder of the user's ocean pictures.
target_sources(marovek_qtplatform PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/qt_images.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt_images.h
    ${CMAKE_CURRENT_LIST_DIR}/qt_image_decoder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt_image_decoder.h)
