// What went wrong, in the words the trainee and the report read.
#include "training/remark_words.h"

#include "sim/simulator.h"
#include "sim/ui_port.h"

#include <gtest/gtest.h>

namespace zun {
namespace {

StageRemark remark(StageRemark::What what, std::string control, int mech, std::string reason = {})
{
    return {1000, what, 4, std::move(control), mech, Direction::Forward, std::move(reason)};
}

TEST(RemarkWords, NameTheKeyTheMechanismAndWhatWentWrong)
{
    const Simulator simulator;
    const LineModel &model = simulator.state();
    using W = StageRemark::What;
    struct Case {
        StageRemark remark;
        std::string words;
    };
    const Case cases[] = {
        {remark(W::Refused, "Frame_45_Key_Back_7", 71, "at_end"),
         "Ключ «71 сталкиватель», механизм «71 сталкиватель»: команда не выполнена: механизм "
         "уже в конечном положении."},
        {remark(W::Refused, "-", 1, "not_permitted"),
         "Механизм «1 телега»: команда не выполнена: нет разрешения."},
        {remark(W::Refused, "-", 1, "interlocked"),
         "Механизм «1 телега»: команда не выполнена: мешает блокировка."},
        {remark(W::Refused, "-", 1, "running_opposite"),
         "Механизм «1 телега»: команда не выполнена: механизм движется в другую сторону."},
        {remark(W::Refused, "-", 1, "drive_fault"),
         "Механизм «1 телега»: команда не выполнена: привод неисправен."},
        {remark(W::OutOfSequence, "Frame_45_Key_Fix_2", 1),
         "Ключ «1 телега», механизм «1 телега»: этот механизм на шаге 4 не нужен."},
        {remark(W::OutOfSequence, "Frame_45_Key_Fix_Tolchok", 0),
         "Ключ «толчёк»: в программе он ни к чему не привязан."},
    };
    for (const Case &c : cases)
        EXPECT_EQ(remark_in_words(c.remark, model), c.words);
    EXPECT_EQ(refusal_in_words(Refusal::AtEnd), "механизм уже в конечном положении");
    EXPECT_EQ(refusal_in_words(Refusal::None), "");
}

} // namespace
} // namespace zun
