#pragma once

// The program's own texts, shared by the model and the windows.
namespace zun::texts {

inline constexpr const char *pass_stage = "пройти стадию";
inline constexpr const char *run_automatically = "пуск в автомате с текущего места";
inline constexpr const char *main_window_button = "главное окно";
inline constexpr const char *does_not_exist = "------------не существует";
inline constexpr const char *not_used = "Не используется в программе";
inline constexpr const char *Key_Left = "туда";
inline constexpr const char *Key_Right = "сюда";

} // namespace zun::texts
