#include "tests/support/FakeWindowSystem.h"

#include <algorithm>
#include <limits>

namespace sonnavet::test {

FakeDialogWindow::FakeDialogWindow(FakeWindowSystem& s, const DialogTemplate& t, DialogMessageHandler& h)
    : system(s), tmpl(t), handler(h)
{
    for (const auto& c : t.controls) controls.push_back(std::make_unique<FakeControl>(c));
    system.windows.push_back(this);
}

FakeDialogWindow::~FakeDialogWindow()
{
    auto& list = system.windows;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

FakeControl* FakeDialogWindow::Control(int id)
{
    for (auto& c : controls)
        if (c->tmpl.id == id && id != kStaticId) return c.get();
    return nullptr;
}

void FakeDialogWindow::RunModal()
{
    shown = true;
    ++system.modalDialogsRun;
    if (system.windows.front() == this && system.modalScript) {
        system.modalScript(*this);
    } else if (system.windows.front() != this) {
        Click(kIdOk);   // a nested dialog: the player reads it and presses OK
    }
}

void FakeDialogWindow::SetTimer(int timerId, unsigned intervalMs)
{
    timers[timerId] = Timer{intervalMs, system.nowMs + static_cast<std::int64_t>(intervalMs)};
}

int FakeDialogWindow::ClientWidth() const { return DialogUnitsToPixelsX(tmpl.width); }
int FakeDialogWindow::ClientHeight() const { return DialogUnitsToPixelsY(tmpl.height); }

int FakeDialogWindow::MessageBox(const std::string& text, const std::string& caption, MessageBoxType type)
{
    system.messageBoxes.push_back({text, caption, type});
    if (!system.messageBoxAnswers.empty()) {
        const int answer = system.messageBoxAnswers.front();
        system.messageBoxAnswers.pop_front();
        return answer;
    }
    return type == MessageBoxType::Ok ? kIdOk : kIdNo;
}

void FakeDialogWindow::ReleaseSlider(int id, int position)
{
    FakeControl* c = Control(id);
    c->pos = std::clamp(position, c->rangeMin, c->rangeMax);
    handler.HandleNotify(id, kNmReleasedCapture);
}

void FakeDialogWindow::ToggleListEntry(int id, int index)
{
    FakeControl* c = Control(id);
    c->selected.at(index) = !c->selected.at(index);
    handler.HandleCommand(id, kLbnSelChange);
}

RecordingPainter FakeDialogWindow::Paint()
{
    RecordingPainter painter;
    handler.HandlePaint(painter);
    return painter;
}

std::unique_ptr<DialogWindow> FakeWindowSystem::CreateDialogWindow(const DialogTemplate& t,
                                                                   DialogMessageHandler& handler)
{
    createdCaptions.push_back(t.caption);
    return std::make_unique<FakeDialogWindow>(*this, t, handler);
}

void FakeWindowSystem::Advance(std::int64_t ms) { AdvanceTo(nowMs + ms); }

void FakeWindowSystem::AdvanceTo(std::int64_t target)
{
    for (;;) {
        FakeDialogWindow* window = nullptr;
        int timerId = 0;
        std::int64_t due = std::numeric_limits<std::int64_t>::max();
        for (FakeDialogWindow* w : windows) {
            if (w->ended) continue;
            for (const auto& [id, timer] : w->timers) {
                if (timer.due < due) {
                    due = timer.due;
                    window = w;
                    timerId = id;
                }
            }
        }
        if (!window || due > target) break;
        nowMs = due;
        window->timers[timerId].due += std::max<unsigned>(1, window->timers[timerId].interval);
        window->handler.HandleTimer(timerId);
    }
    nowMs = target;
}

}  // namespace sonnavet::test
