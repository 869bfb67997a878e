// Long seeded random sequences of everything a trainee and the automation can do, each step
// written as a runner's script line, with the model's promises checked after every step. A
// failing run writes its script out, so that zun-sim replays it.
#include "runner/sim_runner.h"
#include "sim/console_layout.h"
#include "sim/scene_layout.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

// What the Parts promise of the model at any moment; empty when all hold.
std::string broken_promise(const zun::LineModel &sim)
{
    if (sim.Cur_Mech < 0 || sim.Cur_Mech >= zun::LineModel::mech_count)
        return "Cur_Mech " + std::to_string(sim.Cur_Mech);
    for (int number = 0; number < zun::LineModel::mech_count; ++number) {
        const zun::TMech &mech = *sim.Mech_Array[number];
        if (mech.b_KM_FWD && mech.b_KM_RWS)
            return "mechanism " + std::to_string(number) + " latched both ways";
        if (mech.Timer_Drive.enabled() != ((mech.b_KM_FWD != mech.b_KM_RWS) && mech.b_Enable_Drive))
            return "mechanism " + std::to_string(number) + " drive timer out of step";
    }
    const zun::TFrame_LineMetal &line = sim.Frame_LineMetal;
    if (line.Stadiya_Raboti < 0 || line.Stadiya_Raboti > 49)
        return "stage " + std::to_string(int{line.Stadiya_Raboti});
    if (line.Seg_Count < 0 || line.Seg_Count > line.Seg_Slots)
        return "piece count " + std::to_string(line.Seg_Count);
    for (int k = 0; k < line.Seg_Count; ++k)
        if (line.Seg_Len[k] <= 0)
            return "piece " + std::to_string(k) + " in use without length";
    return {};
}

class RandomUse {
public:
    explicit RandomUse(unsigned seed) : random_(seed)
    {
        zun::PictureStore store;
        zun::scene::build(store);
        for (const zun::Picture &picture : store.pictures())
            if (picture.panel().name() != zun::scene::Panel_Image_Sours)
                pictures_.push_back(picture.name());
        for (const zun::console::PagePicture &page : zun::console::page_pictures())
            page_tags_.push_back(page.tag);
    }

    // The next action, as a script line, and its kind.
    std::pair<std::string, std::string> next()
    {
        switch (pick(14)) {
        case 0:
            return {"fwd " + std::to_string(pick(200)), "fwd"};
        case 1:
            return {"rws " + std::to_string(pick(200)), "rws"};
        case 2:
            return {"halt " + std::to_string(pick(200)), "halt"};
        case 3:
            return {"mode " + std::to_string(pick(3)), "mode"};
        case 4:
            return {"step " + std::to_string(pick(50)), "step"};
        case 5:
            return {"pass", "pass"};
        case 6:
            return {"stop", "stop"};
        case 7:
            return {pick(2) ? "beep down" : "beep up", "beep"};
        case 8:
            return {"newcoil", "newcoil"};
        case 9:
            return {"click " + pictures_[pick(pictures_.size())], "click"};
        case 10:
            return {"hover " + pictures_[pick(pictures_.size())], "hover"};
        case 11:
            return {"find " + std::to_string(pick(127)), "find"};
        case 12:
            return {"page " + std::to_string(page_tags_[pick(page_tags_.size())]), "page"};
        default:
            return {"advance " + std::to_string(pick(3) ? pick(300) : pick(5000)), "advance"};
        }
    }

private:
    std::size_t pick(std::size_t count)
    {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
    }

    std::mt19937 random_;
    std::vector<std::string> pictures_;
    std::vector<int> page_tags_;
};

TEST(RandomUseTest, NoSequenceOfActionsBreaksTheModelsPromises)
{
    constexpr unsigned seeds = 6;
    constexpr int actions_per_seed = 6000;
    std::map<std::string, int> counts;
    for (unsigned seed = 1; seed <= seeds; ++seed) {
        std::ostringstream out;
        SimRunner runner(out);
        RandomUse use(seed);
        std::string script = "# random use, seed " + std::to_string(seed) + "\n";
        for (int action = 0; action < actions_per_seed; ++action) {
            const auto [line, kind] = use.next();
            script += line + "\n";
            ++counts[kind];
            std::string broken;
            try {
                runner.run_line(line);
                broken = broken_promise(runner.sim());
            } catch (const std::exception &error) {
                broken = std::string("the model failed: ") + error.what();
            }
            if (!broken.empty()) {
                const std::string file = "random_use_seed_" + std::to_string(seed) + ".zs";
                std::ofstream(file) << script;
                FAIL() << broken << " after action " << action << " (" << line
                       << "); replay with: zun-sim " << file;
            }
            out.str({});
        }
    }
    std::ostringstream summary;
    for (const auto &[kind, count] : counts)
        summary << kind << "=" << count << " ";
    std::cout << "[ counts   ] " << summary.str() << "\n";
    for (const auto &[kind, count] : counts)
        EXPECT_GE(count, 1000) << kind;
}

} // namespace
