#include "platform/qt/QtControls.h"

#include <algorithm>
#include <functional>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QWheelEvent>

#include "platform/Geometry.h"

namespace sonnavet {

namespace {

QString ToQString(const std::string& text) { return QString::fromStdString(text); }
std::string FromQString(const QString& text) { return text.toStdString(); }

QRect PixelRect(const ControlTemplate& c)
{
    const Rect r = MapDialogRect(Rect{c.x, c.y, c.x + c.width, c.y + c.height});
    return QRect(r.left, r.top, r.Width(), r.Height());
}

// --- buttons -----------------------------------------------------------------

class PushButtonControl : public QtControl {
public:
    explicit PushButtonControl(QPushButton* b) : QtControl(b), button(b) {}
    void SetText(const std::string& text) override { button->setText(ToQString(text)); }
    std::string GetText() const override { return FromQString(button->text()); }

private:
    QPushButton* button;
};

class CheckControl : public QtControl {
public:
    explicit CheckControl(QAbstractButton* b) : QtControl(b), button(b) {}
    void SetText(const std::string& text) override { button->setText(ToQString(text)); }
    std::string GetText() const override { return FromQString(button->text()); }

    void SetCheck(int state) override
    {
        const QSignalBlocker quiet(button);
        const bool checked = state == 1;
        // An automatic radio button refuses to be unchecked while it is the
        // checked one of its group; the program may still clear it.
        const bool exclusive = button->autoExclusive();
        if (!checked && exclusive) button->setAutoExclusive(false);
        button->setChecked(checked);
        if (!checked && exclusive) button->setAutoExclusive(true);
    }
    int GetCheck() const override { return button->isChecked() ? 1 : 0; }

private:
    QAbstractButton* button;
};

// --- static controls ----------------------------------------------------------

class GroupBoxControl : public QtControl {
public:
    explicit GroupBoxControl(QGroupBox* g) : QtControl(g), box(g) {}
    void SetText(const std::string& text) override { box->setTitle(ToQString(text)); }
    std::string GetText() const override { return FromQString(box->title()); }

private:
    QGroupBox* box;
};

// A one-line label keeps its template rectangle; when the text is wider than
// that (our sans face is a little wider than the one the layout was made
// for), the label's type shrinks a pixel or two instead of cutting the text.
class LabelControl : public QtControl {
public:
    explicit LabelControl(QLabel* l) : QtControl(l), label(l), baseFont(l->font())
    {
        const QFontMetrics metrics(baseFont);
        oneLine = label->height() < 2 * metrics.height();
        label->setWordWrap(!oneLine);
        Fit();
    }
    void SetText(const std::string& text) override
    {
        label->setText(ToQString(text));
        Fit();
    }
    std::string GetText() const override { return FromQString(label->text()); }

private:
    void Fit()
    {
        if (!oneLine) return;
        QFont font = baseFont;
        const int smallest = std::max(1, baseFont.pixelSize() - 2);
        while (font.pixelSize() > smallest && QFontMetrics(font).horizontalAdvance(label->text()) > label->width())
            font.setPixelSize(font.pixelSize() - 1);
        label->setFont(font);
    }

    QLabel* label;
    QFont baseFont;
    bool oneLine = true;
};

// --- trackbar -------------------------------------------------------------------

// A horizontal slider that reports "thumb let go" when a mouse button that it
// took is released (drag or click on the groove), and also after each change
// by keyboard or wheel, so the program's value labels follow those too.
class TrackbarSlider : public QSlider {
public:
    TrackbarSlider(QWidget* parent, std::function<void()> onRelease)
        : QSlider(Qt::Horizontal, parent), released(std::move(onRelease))
    {
    }

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        QSlider::mousePressEvent(e);
        if (e->isAccepted()) mouseTaken = true;
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        QSlider::mouseReleaseEvent(e);
        if (mouseTaken && e->buttons() == Qt::NoButton) {
            mouseTaken = false;
            released();
        }
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        const int before = value();
        QSlider::keyPressEvent(e);
        if (value() != before && !isSliderDown()) released();
    }
    void wheelEvent(QWheelEvent* e) override
    {
        const int before = value();
        QSlider::wheelEvent(e);
        if (value() != before && !isSliderDown() && !mouseTaken) released();
    }

private:
    std::function<void()> released;
    bool mouseTaken = false;
};

class TrackbarControl : public QtControl {
public:
    TrackbarControl(QSlider* s, bool ticks) : QtControl(s), slider(s), showTicks(ticks) {}

    void SetRange(int minimum, int maximum, bool) override
    {
        const QSignalBlocker quiet(slider);
        slider->setRange(minimum, maximum);
        // A page is a fifth of the range, at least one step.
        slider->setPageStep(std::max(1, (slider->maximum() - slider->minimum()) / 5));
    }
    int GetRangeMin() const override { return slider->minimum(); }
    int GetRangeMax() const override { return slider->maximum(); }
    void SetTicFreq(int frequency) override
    {
        if (showTicks) slider->setTickInterval(std::max(1, frequency));
    }
    void SetPos(int position) override
    {
        const QSignalBlocker quiet(slider);
        slider->setValue(position);
    }
    int GetPos() const override { return slider->value(); }

private:
    QSlider* slider;
    bool showTicks;
};

// --- lists ------------------------------------------------------------------------

class ListBoxControl : public QtControl {
public:
    explicit ListBoxControl(QListWidget* l) : QtControl(l), list(l) {}

    void AddString(const std::string& text) override
    {
        const QSignalBlocker quiet(list);
        list->addItem(ToQString(text));
    }
    int GetCount() const override { return list->count(); }
    std::string GetItemText(int index) const override
    {
        const QListWidgetItem* item = list->item(index);
        return item ? FromQString(item->text()) : std::string();
    }
    void SetSel(int index, bool selected) override
    {
        const QSignalBlocker quiet(list);
        if (QListWidgetItem* item = list->item(index)) item->setSelected(selected);
    }
    bool GetSel(int index) const override
    {
        const QListWidgetItem* item = list->item(index);
        return item && item->isSelected();
    }

private:
    QListWidget* list;
};

class DropDownControl : public QtControl {
public:
    explicit DropDownControl(QComboBox* c) : QtControl(c), combo(c) {}

    std::string GetText() const override { return FromQString(combo->currentText()); }
    void AddString(const std::string& text) override
    {
        const QSignalBlocker quiet(combo);
        const int selected = combo->currentIndex();
        combo->addItem(ToQString(text));
        // A drop-down list stays without a selection until one is set.
        combo->setCurrentIndex(selected);
    }
    int GetCount() const override { return combo->count(); }
    std::string GetItemText(int index) const override
    {
        return index >= 0 && index < combo->count() ? FromQString(combo->itemText(index)) : std::string();
    }
    void SetCurSel(int index) override
    {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(index);
    }
    int GetCurSel() const override { return combo->currentIndex(); }

private:
    QComboBox* combo;
};

void SetFocusFromTemplate(QWidget* w, const ControlTemplate& c)
{
    w->setFocusPolicy(c.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

QLabel* MakeLabel(QWidget* parent, const ControlTemplate& c, Qt::Alignment horizontal)
{
    auto* label = new QLabel(parent);
    // Plain text: an '&' is shown as it is and never becomes a mnemonic.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setText(ToQString(c.text));
    label->setGeometry(PixelRect(c));
    return label;
}

}  // namespace

void QtControl::SetEnabled(bool enabled) { widget->setEnabled(enabled); }
bool QtControl::IsEnabled() const { return widget->isEnabled(); }

std::unique_ptr<QtControl> CreateQtControl(const ControlTemplate& c, QWidget* parent,
                                           DialogMessageHandler& handler, const QPixmap& icon)
{
    const int id = c.id;
    std::unique_ptr<QtControl> control;
    QRect geometry = PixelRect(c);

    switch (c.kind) {
    case ControlKind::GroupBox: {
        auto* box = new QGroupBox(ToQString(c.text), parent);
        box->setFocusPolicy(Qt::NoFocus);
        control = std::make_unique<GroupBoxControl>(box);
        break;
    }
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton: {
        auto* button = new QPushButton(ToQString(c.text), parent);
        // Enter is handled by the window: a focused push button is clicked,
        // otherwise the OK command goes out.
        button->setAutoDefault(false);
        button->setDefault(c.kind == ControlKind::DefaultPushButton);
        SetFocusFromTemplate(button, c);
        QObject::connect(button, &QPushButton::clicked, button,
                         [&handler, id] { handler.HandleCommand(id, kBnClicked); });
        control = std::make_unique<PushButtonControl>(button);
        break;
    }
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: {
        QAbstractButton* button = nullptr;
        if (c.kind == ControlKind::CheckBox) button = new QCheckBox(ToQString(c.text), parent);
        else button = new QRadioButton(ToQString(c.text), parent);  // auto-exclusive among its siblings
        SetFocusFromTemplate(button, c);
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [&handler, id] { handler.HandleCommand(id, kBnClicked); });
        control = std::make_unique<CheckControl>(button);
        break;
    }
    case ControlKind::StaticText:
    case ControlKind::CentredStaticText: {
        QLabel* label = MakeLabel(parent, c, c.kind == ControlKind::CentredStaticText ? Qt::AlignHCenter : Qt::AlignLeft);
        control = std::make_unique<LabelControl>(label);
        break;
    }
    case ControlKind::EtchedFrame: {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        frame->setLineWidth(1);
        frame->setAutoFillBackground(false);  // the status text is painted underneath
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        control = std::make_unique<QtControl>(frame);
        break;
    }
    case ControlKind::Icon: {
        auto* label = new QLabel(parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (!icon.isNull()) label->setPixmap(icon);
        control = std::make_unique<QtControl>(label);
        break;
    }
    case ControlKind::ListBox: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::MultiSelection);  // a click toggles an entry
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        SetFocusFromTemplate(list, c);
        QObject::connect(list, &QListWidget::itemSelectionChanged, list,
                         [&handler, id] { handler.HandleCommand(id, kLbnSelChange); });
        control = std::make_unique<ListBoxControl>(list);
        break;
    }
    case ControlKind::Trackbar: {
        auto* slider = new TrackbarSlider(parent, [&handler, id] { handler.HandleNotify(id, kNmReleasedCapture); });
        slider->setTickPosition(c.autoTicks ? QSlider::TicksBothSides : QSlider::NoTicks);
        slider->setTickInterval(1);
        slider->setSingleStep(1);
        SetFocusFromTemplate(slider, c);
        control = std::make_unique<TrackbarControl>(slider, c.autoTicks);
        break;
    }
    case ControlKind::DropDownList: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(false);
        // A list under the box, as high as the template asks, instead of a
        // menu laid over it.
        combo->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
        const int closedHeight = DialogUnitsToPixelsY(kClosedDropDownUnits);
        const int rowHeight = QFontMetrics(parent->font()).height() + 2;
        combo->setMaxVisibleItems(std::max(1, (geometry.height() - closedHeight) / rowHeight));
        combo->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        geometry.setHeight(closedHeight);
        SetFocusFromTemplate(combo, c);
        control = std::make_unique<DropDownControl>(combo);
        break;
    }
    }

    QWidget* w = control->Widget();
    if (c.kind == ControlKind::GroupBox || c.kind == ControlKind::StaticText ||
        c.kind == ControlKind::CentredStaticText || c.kind == ControlKind::Icon ||
        c.kind == ControlKind::EtchedFrame)
        w->setFocusPolicy(Qt::NoFocus);
    if (id != kStaticId) w->setObjectName(QStringLiteral("control%1").arg(id));
    w->setGeometry(geometry);
    return control;
}

}  // namespace sonnavet
