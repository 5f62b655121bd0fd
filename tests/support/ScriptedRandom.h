#pragma once

#include <deque>
#include <stdexcept>

#include "training/RandomSource.h"

namespace sonnavet::test {

// Returns chosen values in order, so a worked example can be replayed draw by
// draw; running out of values is a test failure.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<int> values) : values(values) {}

    int Rand() override
    {
        if (values.empty()) throw std::runtime_error("more random draws than scripted");
        ++draws;
        const int v = values.front();
        values.pop_front();
        return v;
    }

    void Push(int value) { values.push_back(value); }

    std::deque<int> values;
    int draws = 0;
};

// The draws of the worked example at randomization 0 and melody range 7: the
// first note 58 on the G string, then 63 and 53, in the major pair.
inline void PushWorkedExample(ScriptedRandom& random)
{
    random.Push(0);   // Positions
    random.Push(3);   // string G
    for (int i = 0; i < 14; ++i) random.Push(0);
    for (int v : {60, 30, 80, 1, 5, 10, 4, 70, 90, 9}) random.Push(v);
}

}  // namespace sonnavet::test
