// Everything outside the game that the game view reaches, held by reference.
#pragma once

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
};

}  // namespace platform
