# The board artwork data of the built-in maps and the validator of map pictures.
target_sources(marovek_game PRIVATE
    place_art.cpp
    places/australia.cpp
    places/china.cpp
    places/europe.cpp
    places/greatbritain.cpp
    places/japankorea.cpp
    places/northamerica.cpp
    places/realworld.cpp
    places/scandinavia.cpp
    validate_picture.cpp
    world_art.cpp)
