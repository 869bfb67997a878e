#pragma once

// The program's own texts, shared by the model and the windows.
namespace zun::texts {

inline constexpr const char *Pass_Stage = "пройти стадию";
inline constexpr const char *Run_Automatically = "пуск в автомате с текущего места";
inline constexpr const char *Main_Window_Button = "главное окно";
inline constexpr const char *Does_Not_Exist = "------------не существует";
inline constexpr const char *Not_Used = "Не используется в программе";
inline constexpr const char *Key_Left = "туда";
inline constexpr const char *Key_Right = "сюда";

} // namespace zun::texts
