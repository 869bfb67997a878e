#pragma once

class QWidget;

namespace zun {
class TSimulator;
namespace console {
struct Control;
}
} // namespace zun

// Builds the frame of a console control on its page, with the console's settings and the extra
// handlers the console binds to it.
QWidget *create_console_frame(const zun::console::Control &control, zun::TSimulator &sim,
                              QWidget *page);
