// CDialog: the game's dialog base class, its template and the model of its controls' state.
#pragma once

#include <string>
#include <vector>

#include "platform/raster/surface.h"

namespace platform {
class DialogView;
}

// The ids every dialog shares for its OK and Cancel buttons.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
// Labels and group boxes that nobody addresses carry this id.
inline constexpr int kIdStatic = -1;
// The face colour every dialog's background is painted with before OnPaint draws on it.
inline constexpr raster::Colour kDialogFace = raster::Rgb(212, 208, 200);

enum class ControlKind {
    Static,
    GroupBox,
    Button,
    CheckBox,
    RadioButton,
    Edit,
    ListBox,
    ComboBox,
    Slider,
    Progress,
};

// Style flags of a control in a template.
namespace ctl {
inline constexpr unsigned kGroup = 1u << 0;         // first control of a group (radio groups)
inline constexpr unsigned kTabStop = 1u << 1;       //
inline constexpr unsigned kDefault = 1u << 2;       // the default push button
inline constexpr unsigned kReadOnly = 1u << 3;      // edit
inline constexpr unsigned kMultiLine = 1u << 4;     // edit, button
inline constexpr unsigned kPassword = 1u << 5;      // edit
inline constexpr unsigned kSorted = 1u << 6;        // list box, combo box
inline constexpr unsigned kDropDownList = 1u << 7;  // combo box without an edit field
inline constexpr unsigned kHidden = 1u << 8;        // created hidden
inline constexpr unsigned kDisabled = 1u << 9;      // created disabled
inline constexpr unsigned kVerticalScroll = 1u << 10;
inline constexpr unsigned kCenter = 1u << 11;  // static text centred in its rectangle
}  // namespace ctl

// Style flags of a dialog in a template.
namespace dlg {
inline constexpr unsigned kLayered = 1u << 0;       // see-through from the start (alpha 255)
inline constexpr unsigned kNoSystemMenu = 1u << 1;  // no close box in the title bar
}  // namespace dlg

// Positions and sizes in dialog units.
struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct ControlTemplate {
    int id = kIdStatic;
    ControlKind kind = ControlKind::Static;
    std::string text;  // Latin-1
    DialogRect rect;
    unsigned style = 0;
};

struct DialogTemplate {
    int id = 0;
    std::string caption;  // Latin-1
    int width = 0;        // dialog units
    int height = 0;
    std::string fontFace = "MS Sans Serif";
    int fontPoints = 8;
    unsigned style = 0;
    std::vector<ControlTemplate> controls;  // template (tab) order
};

// What a control tells its dialog besides a plain button click.
enum class Notification { Clicked, SelectionChange, EditChange, DoubleClick, Scroll };

// The live state of one control; the host keeps its widget in step with it.
struct ControlState {
    std::string text;
    int check = 0;  // 0 unchecked, 1 checked
    bool enabled = true;
    bool visible = true;
    int textLimit = 0;  // edit: most characters, 0 = no limit
    std::vector<std::string> items;
    int selection = -1;
    int rangeMin = 0;  // slider and progress bar
    int rangeMax = 100;
    int position = 0;
};

// Dialog units to pixels as the classic dialog manager maps them: a unit is a quarter of the
// font's average character width across and an eighth of its height down, rounded to nearest.
int DialogUnitsToPixelsX(int units, int averageCharWidth);
int DialogUnitsToPixelsY(int units, int charHeight);

// The list boxes' sort: case-insensitive, blanks and symbols before digits, digits before
// letters.
bool ListTextLess(const std::string& a, const std::string& b);

class CDialog {
  public:
    explicit CDialog(const DialogTemplate& dialogTemplate);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    const DialogTemplate& Template() const { return template_; }

    // Handlers. The base OnInitDialog exchanges the members to the controls; the base OnOK
    // exchanges them back and ends with kIdOk; the base OnCancel ends with kIdCancel.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnCommand(int controlId, Notification code);
    virtual void OnPaint(raster::Surface& surface);
    // save = true: controls to members; false: members to controls. False refuses the data.
    virtual bool DoDataExchange(bool save);
    bool UpdateData(bool save) { return DoDataExchange(save); }

    void EndDialog(int result);
    bool Ended() const { return ended_; }
    int Result() const { return result_; }

    // Controls by id. An id the template does not hold reads as empty and ignores writes.
    std::string GetText(int id) const;
    void SetText(int id, const std::string& text);
    int GetCheck(int id) const;
    void SetCheck(int id, int state);
    // The index of the checked button in the radio group that starts at firstId, -1 if none.
    int GetRadioIndex(int firstId) const;
    void SetRadioIndex(int firstId, int index);
    bool IsEnabled(int id) const;
    void Enable(int id, bool enable);
    bool IsVisible(int id) const;
    void Show(int id, bool show);
    void SetTextLimit(int id, int maxChars);

    // List and combo boxes. Adding to a sorted list puts the item in its sorted place.
    int AddItem(int id, const std::string& text);                // its index, -1 when refused
    int InsertItem(int id, int index, const std::string& text);  // index -1 appends
    int DeleteItem(int id, int index);                           // items left, -1 when refused
    void ResetContent(int id);
    int ItemCount(int id) const;
    std::string ItemText(int id, int index) const;
    int GetSelection(int id) const;
    bool SetSelection(int id, int index);  // -1 clears; false for an index out of range
    // Selects the first item beginning with `prefix` (case-insensitive); its index or -1.
    int SelectItemByPrefix(int id, const std::string& prefix);

    // Sliders and progress bars; the position is kept inside the range.
    void SetRange(int id, int minimum, int maximum);
    int GetRangeMin(int id) const;
    int GetRangeMax(int id) const;
    void SetPosition(int id, int position);
    int GetPosition(int id) const;

    // Opacity: the dialog becomes layered with alpha = percent * 255 / 100 (integer division).
    void SetOpacity(int percent);
    bool IsLayered() const { return layered_; }
    int Alpha() const { return alpha_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // Asks the shown dialog to paint again.
    void Invalidate();

    // --- For the hosts ---
    // Fresh controls from the template, as each opening creates them.
    void CreateControls();
    void AttachView(platform::DialogView* view) { view_ = view; }
    platform::DialogView* View() const { return view_; }
    bool IsOpen() const { return view_ != nullptr; }
    const ControlState* Control(int id) const;
    // The state of the n-th control of the template (ids need not be unique for statics).
    const ControlState& ControlAt(std::size_t index) const { return controls_.at(index); }
    // The template indexes of the radio buttons in the group of the button at `index`.
    std::vector<std::size_t> RadioGroupOf(std::size_t index) const;

    // What the user does, the same through every host: the control changes as the user made
    // it, then the handler runs.
    void UserClick(int id);
    void UserEdit(int id, const std::string& text);
    void UserSelect(int id, int index);
    void UserDoubleClick(int id, int index);
    void UserScroll(int id, int position);
    void UserCancel();  // Escape or the close box

  private:
    int IndexOf(int id) const;
    ControlState* Find(int id);
    const ControlTemplate* TemplateOf(int id) const;
    void Changed(int id);

    const DialogTemplate template_;
    std::vector<ControlState> controls_;
    std::string caption_;
    platform::DialogView* view_ = nullptr;
    bool layered_ = false;
    int alpha_ = 255;
    bool ended_ = false;
    int result_ = 0;
};
