// CDialog's control model: every change is kept here and pushed to the shown window.
#include "platform/dialog.h"

#include <algorithm>
#include <cctype>

#include "platform/dialog_host.h"

namespace {

// MulDiv as the dialog manager uses it: rounded to nearest, halves away from zero.
int MulDivRounded(int value, int numerator, int denominator) {
    if (denominator == 0) return 0;
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

int SortClass(unsigned char c) {
    if (std::isdigit(c)) return 1;
    if (std::isalpha(c) || c >= 0xC0) return 2;  // Latin-1 letters sort with letters
    return 0;
}

unsigned char Lower(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u < 0x80) ? static_cast<unsigned char>(std::tolower(u)) : u;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Lower(text[i]) != Lower(prefix[i])) return false;
    }
    return true;
}

bool HasItems(ControlKind kind) {
    return kind == ControlKind::ListBox || kind == ControlKind::ComboBox;
}

bool HasRange(ControlKind kind) {
    return kind == ControlKind::Slider || kind == ControlKind::Progress;
}

}  // namespace

int DialogUnitsToPixelsX(int units, int averageCharWidth) {
    return MulDivRounded(units, averageCharWidth, 4);
}

int DialogUnitsToPixelsY(int units, int charHeight) {
    return MulDivRounded(units, charHeight, 8);
}

bool ListTextLess(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char ca = Lower(a[i]);
        const unsigned char cb = Lower(b[i]);
        if (ca == cb) continue;
        const int ka = SortClass(ca);
        const int kb = SortClass(cb);
        return ka != kb ? ka < kb : ca < cb;
    }
    return a.size() < b.size();
}

CDialog::CDialog(const DialogTemplate& dialogTemplate) : template_(dialogTemplate) {
    CreateControls();
}

CDialog::~CDialog() = default;

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(kIdOk);
}

void CDialog::OnCancel() {
    EndDialog(kIdCancel);
}

void CDialog::OnCommand(int, Notification) {}

void CDialog::OnPaint(raster::Surface&) {}

bool CDialog::DoDataExchange(bool) {
    return true;
}

void CDialog::EndDialog(int result) {
    ended_ = true;
    result_ = result;
    if (view_) view_->Closed(result);
}

void CDialog::CreateControls() {
    controls_.clear();
    for (const ControlTemplate& t : template_.controls) {
        ControlState s;
        s.text = t.text;
        s.enabled = (t.style & ctl::kDisabled) == 0;
        s.visible = (t.style & ctl::kHidden) == 0;
        controls_.push_back(std::move(s));
    }
    caption_ = template_.caption;
    layered_ = (template_.style & dlg::kLayered) != 0;
    alpha_ = 255;
    ended_ = false;
    result_ = 0;
}

int CDialog::IndexOf(int id) const {
    if (id == kIdStatic) return -1;
    for (std::size_t i = 0; i < template_.controls.size(); ++i) {
        if (template_.controls[i].id == id) return static_cast<int>(i);
    }
    return -1;
}

ControlState* CDialog::Find(int id) {
    const int i = IndexOf(id);
    return i < 0 ? nullptr : &controls_[static_cast<std::size_t>(i)];
}

const ControlState* CDialog::Control(int id) const {
    const int i = IndexOf(id);
    return i < 0 ? nullptr : &controls_[static_cast<std::size_t>(i)];
}

const ControlTemplate* CDialog::TemplateOf(int id) const {
    const int i = IndexOf(id);
    return i < 0 ? nullptr : &template_.controls[static_cast<std::size_t>(i)];
}

void CDialog::Changed(int id) {
    if (view_) view_->ControlChanged(id);
}

std::string CDialog::GetText(int id) const {
    const ControlState* c = Control(id);
    const ControlTemplate* t = TemplateOf(id);
    if (!c) return {};
    // A drop-down list has no edit field: its text is the selected item's.
    if (t->kind == ControlKind::ListBox ||
        (t->kind == ControlKind::ComboBox && (t->style & ctl::kDropDownList))) {
        return ItemText(id, c->selection);
    }
    return c->text;
}

void CDialog::SetText(int id, const std::string& text) {
    ControlState* c = Find(id);
    if (!c) return;
    c->text = text;
    Changed(id);
}

int CDialog::GetCheck(int id) const {
    const ControlState* c = Control(id);
    return c ? c->check : 0;
}

void CDialog::SetCheck(int id, int state) {
    ControlState* c = Find(id);
    if (!c) return;
    c->check = state != 0 ? 1 : 0;
    Changed(id);
}

std::vector<std::size_t> CDialog::RadioGroupOf(std::size_t index) const {
    const auto& t = template_.controls;
    if (index >= t.size() || t[index].kind != ControlKind::RadioButton) return {};
    // The group runs from the last control marked as a group's start up to the next one.
    std::size_t first = index;
    while (first > 0 && !(t[first].style & ctl::kGroup)) --first;
    std::vector<std::size_t> group;
    for (std::size_t i = first; i < t.size(); ++i) {
        if (i > first && (t[i].style & ctl::kGroup)) break;
        if (t[i].kind == ControlKind::RadioButton) group.push_back(i);
    }
    return group;
}

int CDialog::GetRadioIndex(int firstId) const {
    const int first = IndexOf(firstId);
    if (first < 0) return -1;
    const auto group = RadioGroupOf(static_cast<std::size_t>(first));
    for (std::size_t n = 0; n < group.size(); ++n) {
        if (controls_[group[n]].check) return static_cast<int>(n);
    }
    return -1;
}

void CDialog::SetRadioIndex(int firstId, int index) {
    const int first = IndexOf(firstId);
    if (first < 0) return;
    const auto group = RadioGroupOf(static_cast<std::size_t>(first));
    for (std::size_t n = 0; n < group.size(); ++n) {
        controls_[group[n]].check = static_cast<int>(n) == index ? 1 : 0;
        Changed(template_.controls[group[n]].id);
    }
}

bool CDialog::IsEnabled(int id) const {
    const ControlState* c = Control(id);
    return c && c->enabled;
}

void CDialog::Enable(int id, bool enable) {
    ControlState* c = Find(id);
    if (!c) return;
    c->enabled = enable;
    Changed(id);
}

bool CDialog::IsVisible(int id) const {
    const ControlState* c = Control(id);
    return c && c->visible;
}

void CDialog::Show(int id, bool show) {
    ControlState* c = Find(id);
    if (!c) return;
    c->visible = show;
    Changed(id);
}

void CDialog::SetTextLimit(int id, int maxChars) {
    ControlState* c = Find(id);
    if (!c) return;
    c->textLimit = std::max(0, maxChars);
    if (c->textLimit > 0 && c->text.size() > static_cast<std::size_t>(c->textLimit)) {
        c->text.resize(static_cast<std::size_t>(c->textLimit));
    }
    Changed(id);
}

int CDialog::AddItem(int id, const std::string& text) {
    const ControlTemplate* t = TemplateOf(id);
    if (!t || !HasItems(t->kind)) return -1;
    auto& items = Find(id)->items;
    auto where = items.end();
    if (t->style & ctl::kSorted)
        where = std::upper_bound(items.begin(), items.end(), text, ListTextLess);
    return InsertItem(id, static_cast<int>(where - items.begin()), text);
}

int CDialog::InsertItem(int id, int index, const std::string& text) {
    const ControlTemplate* t = TemplateOf(id);
    if (!t || !HasItems(t->kind)) return -1;
    ControlState* c = Find(id);
    const int count = static_cast<int>(c->items.size());
    if (index < 0) index = count;
    if (index > count) return -1;
    c->items.insert(c->items.begin() + index, text);
    if (c->selection >= index) ++c->selection;
    Changed(id);
    return index;
}

int CDialog::DeleteItem(int id, int index) {
    ControlState* c = Find(id);
    if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return -1;
    c->items.erase(c->items.begin() + index);
    if (c->selection == index) {
        c->selection = -1;
    } else if (c->selection > index) {
        --c->selection;
    }
    Changed(id);
    return static_cast<int>(c->items.size());
}

void CDialog::ResetContent(int id) {
    ControlState* c = Find(id);
    if (!c) return;
    c->items.clear();
    c->selection = -1;
    Changed(id);
}

int CDialog::ItemCount(int id) const {
    const ControlState* c = Control(id);
    return c ? static_cast<int>(c->items.size()) : 0;
}

std::string CDialog::ItemText(int id, int index) const {
    const ControlState* c = Control(id);
    if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return {};
    return c->items[static_cast<std::size_t>(index)];
}

int CDialog::GetSelection(int id) const {
    const ControlState* c = Control(id);
    return c ? c->selection : -1;
}

bool CDialog::SetSelection(int id, int index) {
    ControlState* c = Find(id);
    if (!c || index < -1 || index >= static_cast<int>(c->items.size())) return false;
    c->selection = index;
    // A drop-down combo box shows its selection in its edit field.
    const ControlTemplate* t = TemplateOf(id);
    if (t->kind == ControlKind::ComboBox && index >= 0)
        c->text = c->items[static_cast<std::size_t>(index)];
    Changed(id);
    return true;
}

int CDialog::SelectItemByPrefix(int id, const std::string& prefix) {
    const ControlState* c = Control(id);
    if (!c) return -1;
    for (std::size_t i = 0; i < c->items.size(); ++i) {
        if (StartsWithNoCase(c->items[i], prefix)) {
            SetSelection(id, static_cast<int>(i));
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CDialog::SetRange(int id, int minimum, int maximum) {
    const ControlTemplate* t = TemplateOf(id);
    if (!t || !HasRange(t->kind)) return;
    ControlState* c = Find(id);
    c->rangeMin = std::min(minimum, maximum);
    c->rangeMax = std::max(minimum, maximum);
    c->position = std::clamp(c->position, c->rangeMin, c->rangeMax);
    Changed(id);
}

int CDialog::GetRangeMin(int id) const {
    const ControlState* c = Control(id);
    return c ? c->rangeMin : 0;
}

int CDialog::GetRangeMax(int id) const {
    const ControlState* c = Control(id);
    return c ? c->rangeMax : 0;
}

void CDialog::SetPosition(int id, int position) {
    const ControlTemplate* t = TemplateOf(id);
    if (!t || !HasRange(t->kind)) return;
    ControlState* c = Find(id);
    c->position = std::clamp(position, c->rangeMin, c->rangeMax);
    Changed(id);
}

int CDialog::GetPosition(int id) const {
    const ControlState* c = Control(id);
    return c ? c->position : 0;
}

void CDialog::SetOpacity(int percent) {
    // Outside 0..100 the product would leave the alpha's byte (or overflow): keep it inside.
    layered_ = true;
    alpha_ = std::clamp(percent, 0, 100) * 255 / 100;
    if (view_) view_->OpacityChanged();
}

void CDialog::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (view_) view_->CaptionChanged();
}

void CDialog::Invalidate() {
    if (view_) view_->Repaint();
}

void CDialog::UserClick(int id) {
    const int index = IndexOf(id);
    if (index < 0) return;
    const auto i = static_cast<std::size_t>(index);
    if (!controls_[i].enabled || !controls_[i].visible) return;
    switch (template_.controls[i].kind) {
        case ControlKind::CheckBox:
            SetCheck(id, controls_[i].check ? 0 : 1);
            break;
        case ControlKind::RadioButton:
            for (std::size_t n : RadioGroupOf(i)) {
                controls_[n].check = n == i ? 1 : 0;
                Changed(template_.controls[n].id);
            }
            break;
        default:
            break;
    }
    if (id == kIdOk) {
        OnOK();
    } else if (id == kIdCancel) {
        OnCancel();
    } else {
        OnCommand(id, Notification::Clicked);
    }
}

void CDialog::UserEdit(int id, const std::string& text) {
    ControlState* c = Find(id);
    if (!c || !c->enabled) return;
    const ControlTemplate* t = TemplateOf(id);
    if (t->style & ctl::kReadOnly) return;
    std::string value = text;
    if (c->textLimit > 0 && value.size() > static_cast<std::size_t>(c->textLimit)) {
        value.resize(static_cast<std::size_t>(c->textLimit));
    }
    SetText(id, value);
    OnCommand(id, Notification::EditChange);
}

void CDialog::UserSelect(int id, int index) {
    const ControlState* c = Control(id);
    if (!c || !c->enabled || !SetSelection(id, index)) return;
    OnCommand(id, Notification::SelectionChange);
}

void CDialog::UserDoubleClick(int id, int index) {
    const ControlState* c = Control(id);
    if (!c || !c->enabled || index < 0 || !SetSelection(id, index)) return;
    OnCommand(id, Notification::DoubleClick);
}

void CDialog::UserScroll(int id, int position) {
    const ControlState* c = Control(id);
    if (!c || !c->enabled) return;
    SetPosition(id, position);
    OnCommand(id, Notification::Scroll);
}

void CDialog::UserCancel() {
    OnCancel();
}
