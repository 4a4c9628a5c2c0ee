// Draws the sea backgrounds, the player icons and their mask, the card and mission icons.
// Usage: gen_art <res folder>; writes <res>/bitmaps/<id>.bmp and <res>/icons/<id>.bmp.
#include <cstdio>

#include "tools/art/art.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_art <res folder>\n");
        return 2;
    }
    return art::WriteAll(argv[1]) ? 0 : 1;
}
