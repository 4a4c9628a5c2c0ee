// The Qt dialog host: one generic renderer that builds a real dialog from any CDialog template.
#pragma once

#include <QFont>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <map>

#include "platform/dialog.h"
#include "platform/dialog_host.h"

class QDialog;

namespace qtplatform {

class QtDialogWindow;

class QtDialogHost : public platform::DialogHost {
  public:
    // Dialogs are centred on `parent` (the main window) when there is one.
    explicit QtDialogHost(QWidget* parent = nullptr);
    ~QtDialogHost() override;
    QtDialogHost(const QtDialogHost&) = delete;
    QtDialogHost& operator=(const QtDialogHost&) = delete;

    void SetParentWidget(QWidget* parent) { parent_ = parent; }

    // A nested event loop: the game's timer and sockets keep running while the dialog is open.
    int RunModal(CDialog& dialog) override;
    bool CreateModeless(CDialog& dialog) override;
    void DestroyModeless(CDialog& dialog) override;
    void MinimiseModeless(CDialog& dialog) override;
    std::optional<raster::Colour> ChooseColour(raster::Colour initial) override;

    // The window of a shown dialog (nullptr when not shown). Each control is a child widget
    // named "control<id>".
    QDialog* WindowOf(const CDialog& dialog) const;

    // The font a template asks for, mapped to the fonts we ship.
    static QFont DialogFont(const DialogTemplate& dialogTemplate);
    // The dialog units' base of a font: its average character width and its height in pixels.
    static QSize BaseUnits(const QFont& font);

  private:
    QtDialogWindow* Open(CDialog& dialog);

    QPointer<QWidget> parent_;
    std::map<const CDialog*, QPointer<QtDialogWindow>> windows_;
};

}  // namespace qtplatform
