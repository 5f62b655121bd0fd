#pragma once

#include <memory>
#include <string>

#include <QPixmap>

#include "platform/ControlBackend.h"
#include "platform/DialogTemplate.h"
#include "platform/DialogWindow.h"

class QWidget;

namespace sonnavet {

// One child control of a Qt dialog window. The widget belongs to its parent
// widget; the backend only points at it.
class QtControl : public ControlBackend {
public:
    explicit QtControl(QWidget* widget) : widget(widget) {}

    QWidget* Widget() const { return widget; }

    void SetText(const std::string& text) override { storedText = text; }
    std::string GetText() const override { return storedText; }
    void SetEnabled(bool enabled) override;
    bool IsEnabled() const override;

    void SetCheck(int) override {}
    int GetCheck() const override { return 0; }

    void SetRange(int, int, bool) override {}
    int GetRangeMin() const override { return 0; }
    int GetRangeMax() const override { return 0; }
    void SetTicFreq(int) override {}
    void SetPos(int) override {}
    int GetPos() const override { return 0; }

    void AddString(const std::string&) override {}
    int GetCount() const override { return 0; }
    std::string GetItemText(int) const override { return {}; }

    void SetSel(int, bool) override {}
    bool GetSel(int) const override { return false; }

    void SetCurSel(int) override {}
    int GetCurSel() const override { return -1; }

private:
    QWidget* widget;
    std::string storedText;
};

// Height of the closed drop-down list in dialog units, that of a push button;
// the template gives the height of the open list.
constexpr int kClosedDropDownUnits = 14;

// Creates the widget of one template control as a child of `parent`, at the
// template's position converted to pixels. User actions on it reach `handler`.
std::unique_ptr<QtControl> CreateQtControl(const ControlTemplate& control, QWidget* parent,
                                           DialogMessageHandler& handler, const QPixmap& icon);

}  // namespace sonnavet
