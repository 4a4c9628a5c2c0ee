// The dialog host: shows CDialogs modally or modeless and the desktop's colour picker, and the
// view a shown dialog talks to.
#pragma once

#include <optional>

#include "platform/raster/surface.h"

class CDialog;

namespace platform {

// A shown dialog's window as its model sees it: the model pushes each change through it.
class DialogView {
  public:
    virtual ~DialogView() = default;
    // The control's state in the model changed (text, check, items, range, ...).
    virtual void ControlChanged(int controlId) = 0;
    virtual void CaptionChanged() = 0;
    virtual void OpacityChanged() = 0;
    // OnPaint's picture is out of date.
    virtual void Repaint() = 0;
    // EndDialog was called: a modal dialog's loop ends, a modeless dialog hides.
    virtual void Closed(int result) = 0;
};

class DialogHost {
  public:
    virtual ~DialogHost() = default;
    // Runs the dialog until EndDialog and returns its result; -1 when it cannot be shown
    // (for example while it is already open). The game's timer and sockets keep running.
    virtual int RunModal(CDialog& dialog) = 0;
    // Creates and shows a modeless dialog; false when it cannot be shown.
    virtual bool CreateModeless(CDialog& dialog) = 0;
    // Destroys a modeless dialog's window; nothing happens for a dialog not shown.
    virtual void DestroyModeless(CDialog& dialog) = 0;
    // Shows a modeless dialog's window as an icon, out of the board's way; nothing happens for
    // a dialog not shown.
    virtual void MinimiseModeless(CDialog& dialog) = 0;
    // The desktop's own colour picker, modal, starting at `initial`: the colour chosen, or
    // nullopt when the user cancels it.
    virtual std::optional<raster::Colour> ChooseColour(raster::Colour initial) = 0;
};

}  // namespace platform
