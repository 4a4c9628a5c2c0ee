// A dialog host that answers from a test's script, without an event loop.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/dialog_host.h"
#include "platform/raster/surface.h"

namespace headless {

// One thing the scripted user does to a dialog.
struct ScriptStep {
    enum class Kind { Click, Edit, Select, DoubleClick, Scroll, Cancel };
    Kind kind = Kind::Click;
    int id = 0;
    std::string text;  // Edit
    int value = 0;     // Select, DoubleClick: item index; Scroll: position

    static ScriptStep Click(int id) { return {Kind::Click, id, {}, 0}; }
    static ScriptStep Edit(int id, std::string text) {
        return {Kind::Edit, id, std::move(text), 0};
    }
    static ScriptStep Select(int id, int index) { return {Kind::Select, id, {}, index}; }
    static ScriptStep DoubleClick(int id, int index) { return {Kind::DoubleClick, id, {}, index}; }
    static ScriptStep Scroll(int id, int position) { return {Kind::Scroll, id, {}, position}; }
    static ScriptStep Cancel() { return {Kind::Cancel, 0, {}, 0}; }
};

// A dialog as it was when it closed.
struct ShownDialog {
    int templateId = 0;
    std::string caption;
    std::map<int, std::string> texts;  // every control with an id, as GetText reads it
    std::map<int, int> checks;         // check boxes and radio buttons
    int result = 0;
    bool scripted = false;  // false: no script was waiting for it and it was cancelled
    bool layered = false;
    int alpha = 255;
    raster::Surface painted;  // what OnPaint drew after OnInitDialog
};

struct ModelessEvent {
    enum class Kind { Created, Destroyed, Minimised };
    Kind kind = Kind::Created;
    int templateId = 0;
    bool operator==(const ModelessEvent&) const = default;
};

class ScriptedDialogHost : public platform::DialogHost {
  public:
    // The dialog units' base: the classic dialog font's average width and height in pixels.
    explicit ScriptedDialogHost(int averageCharWidth = 6, int charHeight = 13);
    ~ScriptedDialogHost() override;

    // Queues what the user does the next time a dialog with this template is run modally.
    // The steps run after OnInitDialog; should the dialog still be open after them, the user
    // cancels it.
    void Script(int templateId, std::vector<ScriptStep> steps);

    int RunModal(CDialog& dialog) override;
    bool CreateModeless(CDialog& dialog) override;
    void DestroyModeless(CDialog& dialog) override;
    void MinimiseModeless(CDialog& dialog) override;
    // Answers with the next scripted colour; without one the user cancels the picker.
    std::optional<raster::Colour> ChooseColour(raster::Colour initial) override;
    void ScriptColour(std::optional<raster::Colour> answer) { colourAnswers_.push_back(answer); }
    // The colour each opening of the picker started at, in order.
    const std::vector<raster::Colour>& ColourPickerStarts() const { return colourStarts_; }

    const std::vector<ShownDialog>& Shown() const { return shown_; }
    const std::vector<ModelessEvent>& ModelessEvents() const { return modeless_; }
    // Scripts that no dialog used up.
    std::size_t PendingScripts() const;

  private:
    class View;
    void Open(CDialog& dialog);
    void Close(CDialog& dialog);
    raster::Surface Paint(CDialog& dialog) const;
    static void Apply(CDialog& dialog, const ScriptStep& step);
    ShownDialog Record(const CDialog& dialog, bool scripted, raster::Surface painted) const;

    int charWidth_;
    int charHeight_;
    std::map<int, std::deque<std::vector<ScriptStep>>> scripts_;
    std::vector<ShownDialog> shown_;
    std::vector<ModelessEvent> modeless_;
    std::map<CDialog*, std::unique_ptr<View>> views_;
    std::deque<std::optional<raster::Colour>> colourAnswers_;
    std::vector<raster::Colour> colourStarts_;
};

}  // namespace headless
