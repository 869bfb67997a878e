#pragma once

#include "line_internals.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace zun {

// The line as construction leaves it; tests lay pieces and set mechanism signals by hand and
// run the line's ticks directly, through the model's internals.
class LineTest : public ::testing::Test {
protected:
    TMech &mech(int number) { return *sim.Mech_Array[number]; }

    void lay(std::vector<std::pair<int, int>> pieces)
    {
        line.Seg_Start = {};
        line.Seg_Len = {};
        for (std::size_t k = 0; k < pieces.size(); ++k) {
            line.Seg_Start[k] = static_cast<std::int16_t>(pieces[k].first);
            line.Seg_Len[k] = static_cast<std::int16_t>(pieces[k].second);
        }
        line.f_Count_Segs();
    }

    std::vector<std::pair<int, int>> pieces() const
    {
        std::vector<std::pair<int, int>> in_use;
        for (int k = 0; k < line.Seg_Count; ++k)
            in_use.emplace_back(line.Seg_Start[k], line.Seg_Len[k]);
        return in_use;
    }

    void travel(int ticks)
    {
        for (int i = 0; i < ticks; ++i)
            line.Timer_MovLineTimer();
    }

    Simulator simulator;
    LineModel &sim = LineModelInternals::of(simulator);
    TFrame_LineMetal &line = sim.Frame_LineMetal;
};

} // namespace zun
