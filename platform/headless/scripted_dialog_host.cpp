// The scripted dialog host: runs each dialog's handlers through the user's scripted steps.
#include "platform/headless/scripted_dialog_host.h"

namespace headless {

// A shown dialog's window stands for nothing here: the model already holds every state.
class ScriptedDialogHost::View : public platform::DialogView {
  public:
    void ControlChanged(int) override {}
    void CaptionChanged() override {}
    void OpacityChanged() override {}
    void Repaint() override {}
    void Closed(int) override {}
};

ScriptedDialogHost::ScriptedDialogHost(int averageCharWidth, int charHeight)
    : charWidth_(averageCharWidth), charHeight_(charHeight) {}

ScriptedDialogHost::~ScriptedDialogHost() {
    for (auto& [dialog, view] : views_) dialog->AttachView(nullptr);
}

void ScriptedDialogHost::Script(int templateId, std::vector<ScriptStep> steps) {
    scripts_[templateId].push_back(std::move(steps));
}

std::size_t ScriptedDialogHost::PendingScripts() const {
    std::size_t n = 0;
    for (const auto& [id, queue] : scripts_) n += queue.size();
    return n;
}

void ScriptedDialogHost::Open(CDialog& dialog) {
    auto view = std::make_unique<View>();
    dialog.CreateControls();
    dialog.AttachView(view.get());
    views_[&dialog] = std::move(view);
}

void ScriptedDialogHost::Close(CDialog& dialog) {
    dialog.AttachView(nullptr);
    views_.erase(&dialog);
}

raster::Surface ScriptedDialogHost::Paint(CDialog& dialog) const {
    const DialogTemplate& t = dialog.Template();
    raster::Surface surface(DialogUnitsToPixelsX(t.width, charWidth_),
                            DialogUnitsToPixelsY(t.height, charHeight_), kDialogFace);
    dialog.OnPaint(surface);
    return surface;
}

void ScriptedDialogHost::Apply(CDialog& dialog, const ScriptStep& step) {
    using Kind = ScriptStep::Kind;
    switch (step.kind) {
        case Kind::Click:
            dialog.UserClick(step.id);
            break;
        case Kind::Edit:
            dialog.UserEdit(step.id, step.text);
            break;
        case Kind::Select:
            dialog.UserSelect(step.id, step.value);
            break;
        case Kind::DoubleClick:
            dialog.UserDoubleClick(step.id, step.value);
            break;
        case Kind::Scroll:
            dialog.UserScroll(step.id, step.value);
            break;
        case Kind::Cancel:
            dialog.UserCancel();
            break;
    }
}

ShownDialog ScriptedDialogHost::Record(const CDialog& dialog, bool scripted,
                                       raster::Surface painted) const {
    ShownDialog shown;
    shown.templateId = dialog.Template().id;
    shown.caption = dialog.Caption();
    for (const ControlTemplate& c : dialog.Template().controls) {
        if (c.id == kIdStatic) continue;
        shown.texts[c.id] = dialog.GetText(c.id);
        if (c.kind == ControlKind::CheckBox || c.kind == ControlKind::RadioButton) {
            shown.checks[c.id] = dialog.GetCheck(c.id);
        }
    }
    shown.result = dialog.Result();
    shown.scripted = scripted;
    shown.layered = dialog.IsLayered();
    shown.alpha = dialog.Alpha();
    shown.painted = std::move(painted);
    return shown;
}

int ScriptedDialogHost::RunModal(CDialog& dialog) {
    if (dialog.IsOpen()) return -1;
    Open(dialog);
    dialog.OnInitDialog();  // its answer only tells who sets the focus
    raster::Surface painted = Paint(dialog);

    auto& queue = scripts_[dialog.Template().id];
    const bool scripted = !queue.empty();
    if (scripted) {
        const std::vector<ScriptStep> steps = std::move(queue.front());
        queue.pop_front();
        for (const ScriptStep& step : steps) {
            if (dialog.Ended()) break;
            Apply(dialog, step);
        }
    }
    // The user closes whatever the script left open; a dialog that refuses even that is
    // ended by force so that no test waits forever.
    if (!dialog.Ended()) dialog.UserCancel();
    if (!dialog.Ended()) dialog.EndDialog(kIdCancel);

    shown_.push_back(Record(dialog, scripted, std::move(painted)));
    Close(dialog);
    return dialog.Result();
}

bool ScriptedDialogHost::CreateModeless(CDialog& dialog) {
    if (dialog.IsOpen()) return false;
    Open(dialog);
    dialog.OnInitDialog();
    modeless_.push_back({ModelessEvent::Kind::Created, dialog.Template().id});
    return true;
}

void ScriptedDialogHost::DestroyModeless(CDialog& dialog) {
    if (views_.find(&dialog) == views_.end()) return;
    Close(dialog);
    modeless_.push_back({ModelessEvent::Kind::Destroyed, dialog.Template().id});
}

void ScriptedDialogHost::MinimiseModeless(CDialog& dialog) {
    if (views_.find(&dialog) == views_.end()) return;
    modeless_.push_back({ModelessEvent::Kind::Minimised, dialog.Template().id});
}

std::optional<raster::Colour> ScriptedDialogHost::ChooseColour(raster::Colour initial) {
    colourStarts_.push_back(initial);
    if (colourAnswers_.empty()) return std::nullopt;
    const std::optional<raster::Colour> answer = colourAnswers_.front();
    colourAnswers_.pop_front();
    return answer;
}

}  // namespace headless
