# The headless picture decoder (BMP only).
target_sources(marovek_headless PRIVATE ${CMAKE_CURRENT_LIST_DIR}/image_decoder.cpp)
