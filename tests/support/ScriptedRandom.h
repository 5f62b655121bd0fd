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

}  // namespace sonnavet::test
