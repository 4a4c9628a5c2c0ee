// The set-up dialogs' template builder and the information icon they paint.
#include "setup/setup_dialogs_layout.h"

#include "platform/raster/fill.h"

namespace setup_layout {

TemplateBuilder::TemplateBuilder(int id, std::string caption, int width, int height, bool layered) {
    t_.id = id;
    t_.caption = std::move(caption);
    t_.width = width;
    t_.height = height;
    t_.style = layered ? dlg::kLayered : 0;
}

TemplateBuilder& TemplateBuilder::Add(ControlTemplate control) {
    if (startGroup_) control.style |= ctl::kGroup;
    startGroup_ = false;
    t_.controls.push_back(std::move(control));
    return *this;
}

TemplateBuilder& TemplateBuilder::Text(int id, std::string text, DialogRect rect, unsigned style) {
    return Add({id, ControlKind::Static, std::move(text), rect, style});
}

TemplateBuilder& TemplateBuilder::Group(std::string text, DialogRect rect) {
    return Add({kIdStatic, ControlKind::GroupBox, std::move(text), rect, 0});
}

TemplateBuilder& TemplateBuilder::Radios(int x, int y, int width,
                                         const std::vector<std::pair<int, std::string>>& items,
                                         int step) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const unsigned style = i == 0 ? ctl::kGroup | ctl::kTabStop : 0;
        startGroup_ = false;
        Add({items[i].first,
             ControlKind::RadioButton,
             items[i].second,
             {x, y + static_cast<int>(i) * step, width, 10},
             style});
    }
    startGroup_ = true;
    return *this;
}

TemplateBuilder& TemplateBuilder::Check(int id, std::string text, DialogRect rect) {
    return Add({id, ControlKind::CheckBox, std::move(text), rect, ctl::kTabStop});
}

TemplateBuilder& TemplateBuilder::Button(int id, std::string text, DialogRect rect,
                                         unsigned style) {
    return Add({id, ControlKind::Button, std::move(text), rect, style | ctl::kTabStop});
}

TemplateBuilder& TemplateBuilder::Edit(int id, DialogRect rect) {
    return Add({id, ControlKind::Edit, "", rect, ctl::kTabStop});
}

TemplateBuilder& TemplateBuilder::OkCancel(int y, std::string okText) {
    const int middle = t_.width / 2;
    Button(kIdOk, std::move(okText), {middle - 60, y, 50, 14}, ctl::kDefault | ctl::kGroup);
    return Button(kIdCancel, "Cancel", {middle + 10, y, 50, 14});
}

TemplateBuilder& TemplateBuilder::OkOnly(int y) {
    return Button(kIdOk, "OK", {t_.width / 2 - 25, y, 50, 14}, ctl::kDefault | ctl::kGroup);
}

void PaintInformationIcon(raster::Surface& surface, int x, int y) {
    constexpr int kSize = 32;
    constexpr raster::Colour kBlue = raster::Rgb(0, 64, 192);
    constexpr raster::Colour kWhite = raster::Rgb(255, 255, 255);
    // A blue disc of radius 15 around the icon's centre.
    for (int dy = 0; dy < kSize; ++dy) {
        for (int dx = 0; dx < kSize; ++dx) {
            const int cx = 2 * dx - (kSize - 1);
            const int cy = 2 * dy - (kSize - 1);
            if (cx * cx + cy * cy <= 30 * 30) surface.SetPixel(x + dx, y + dy, kBlue);
        }
    }
    // The white "i": its dot and its stem.
    raster::FillRect(surface, {x + 14, y + 6, x + 18, y + 10}, kWhite);
    raster::FillRect(surface, {x + 14, y + 12, x + 18, y + 26}, kWhite);
    raster::FillRect(surface, {x + 12, y + 12, x + 14, y + 14}, kWhite);
    raster::FillRect(surface, {x + 12, y + 24, x + 20, y + 26}, kWhite);
}

}  // namespace setup_layout
