#pragma once

#include "sim/inputs.h"
#include "training/stage_record.h"

#include <string>
#include <string_view>

namespace zun {

class LineModel;

// Why a mechanism refused a pulse, as the trainee reads it: «механизм уже в конечном положении»
// for "at_end"; empty for no reason.
std::string_view refusal_in_words(std::string_view reason);
std::string_view refusal_in_words(Refusal refusal);

// What went wrong, naming the key by its caption and the mechanism by its find-list name:
// «Ключ «1 телега», механизм «1 телега»: механизм уже в конечном положении.»
std::string remark_in_words(const StageRemark &remark, const LineModel &model);

} // namespace zun
