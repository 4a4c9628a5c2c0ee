// The set-up dialogs' shared making: a builder of templates in dialog units and the painted icon.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/dialog.h"
#include "platform/raster/surface.h"

namespace setup_layout {

// Builds a template control by control in tab order. A radio group starts at its first button;
// the control added after a group starts a new group, so that groups never run together.
class TemplateBuilder {
  public:
    TemplateBuilder(int id, std::string caption, int width, int height, bool layered = true);

    TemplateBuilder& Text(int id, std::string text, DialogRect rect, unsigned style = 0);
    TemplateBuilder& Group(std::string text, DialogRect rect);
    TemplateBuilder& Radios(int x, int y, int width,
                            const std::vector<std::pair<int, std::string>>& items, int step = 12);
    TemplateBuilder& Check(int id, std::string text, DialogRect rect);
    TemplateBuilder& Button(int id, std::string text, DialogRect rect, unsigned style = 0);
    TemplateBuilder& Edit(int id, DialogRect rect);
    // OK (with its own text) and Cancel side by side at the foot of the dialog.
    TemplateBuilder& OkCancel(int y, std::string okText = "OK");
    TemplateBuilder& OkOnly(int y);
    DialogTemplate Build() const { return t_; }

  private:
    TemplateBuilder& Add(ControlTemplate control);
    DialogTemplate t_;
    bool startGroup_ = false;
};

// The standard information icon (32 x 32) with its top-left corner at (x, y).
void PaintInformationIcon(raster::Surface& surface, int x, int y);

}  // namespace setup_layout
