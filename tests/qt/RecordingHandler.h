#pragma once

#include <functional>
#include <ostream>
#include <vector>

#include "platform/DialogWindow.h"

namespace sonnavet::qttest {

struct Message {
    enum Kind { Command, Notify, Timer, Close, SysCommand };
    Kind kind = Command;
    int id = 0;
    int code = 0;
    bool operator==(const Message&) const = default;
};

inline void PrintTo(const Message& m, std::ostream* os)
{
    static const char* const names[] = {"Command", "Notify", "Timer", "Close", "SysCommand"};
    *os << names[m.kind] << "(" << m.id << ", " << m.code << ")";
}

inline Message Command(int id, int code) { return {Message::Command, id, code}; }
inline Message Notify(int id, int code) { return {Message::Notify, id, code}; }
inline Message TimerTick(int id) { return {Message::Timer, id, 0}; }
inline Message CloseRequest() { return {Message::Close, 0, 0}; }

// Records every message the window delivers; `react` and `paint` let a test
// answer them.
class RecordingHandler : public DialogMessageHandler {
public:
    std::vector<Message> messages;
    std::function<void(const Message&)> react;
    std::function<void(PaintContext&)> paint;
    int paints = 0;

    void HandleCommand(int id, int code) override { Record(Command(id, code)); }
    void HandleNotify(int id, int code) override { Record(Notify(id, code)); }
    void HandleTimer(int timerId) override { Record(TimerTick(timerId)); }
    void HandlePaint(PaintContext& dc) override
    {
        ++paints;
        if (paint) paint(dc);
    }
    void HandleClose() override { Record(CloseRequest()); }
    void HandleSysCommand(unsigned command) override { Record({Message::SysCommand, static_cast<int>(command), 0}); }

    int Count(const Message& m) const
    {
        int n = 0;
        for (const auto& x : messages) n += x == m;
        return n;
    }

private:
    void Record(const Message& m)
    {
        messages.push_back(m);
        if (react) react(m);
    }
};

}  // namespace sonnavet::qttest
