# Text for the raster layer: glyphs drawn by Qt from the DejaVu fonts.
target_sources(marovek_qtplatform PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/qt_glyph_source.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt_glyph_source.h)
