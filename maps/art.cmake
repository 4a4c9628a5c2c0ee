# The board artwork data of the built-in maps and the validator of map pictures.
target_sources(marovek_game PRIVATE
    place_art.cpp
    place_map_content.cpp
    validate_picture.cpp
    world_art.cpp)
