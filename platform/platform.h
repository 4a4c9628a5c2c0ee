// Everything outside the game that the game view reaches, held by reference.
#pragma once

namespace raster {
class GlyphSource;
}

namespace platform {

class WindowServices;
class DialogHost;
class SoundPlayer;
class Files;
class Shell;
class Clock;
class Random;
class SocketFactory;
class Transfer;
class FileDialogs;
class ImageDecoder;
class WebViews;

struct Platform {
    WindowServices& window;
    DialogHost& dialogs;
    SoundPlayer& sound;
    Files& files;
    Shell& shell;
    Clock& clock;
    Random& random;
    SocketFactory& sockets;
    Transfer& transfer;
    FileDialogs& fileDialogs;
    raster::GlyphSource& glyphs;
    ImageDecoder& imageDecoder;
    // Embedded web pages; null where the program has no browser to embed.
    WebViews* webViews = nullptr;
};

}  // namespace platform
