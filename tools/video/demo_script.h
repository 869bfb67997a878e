#pragma once

#include <cstdint>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

// A demonstration is a session file: the headless runner's script of inputs with `advance`
// lines between them. Comment lines that the runner skips tell the video maker what to show
// besides: a caption under the windows, and where a window stands on the screen.
//
//   # caption: Ключ поворачивают мышью      shown from here on; "# caption:" alone clears it
//   # place steps 508 395                   the steps window's top-left corner on the screen
//   # point 780 470                         the pointer glides there: what the caption talks
//                                           about, where no input takes it
namespace zun::video {

struct Advance {
    std::int64_t ms;
};
struct Caption {
    std::string text;
};
struct Place {
    std::string window; // "steps", "status", "main", "start", "videos"
    int x;
    int y;
};
struct Point {
    int x;
    int y;
};
// An input line for the model's parser, with its line number for messages.
struct InputLine {
    int number;
    std::string text;
};

using DemoStep = std::variant<Advance, Caption, Place, Point, InputLine>;

struct DemoScript {
    std::vector<DemoStep> steps;
    std::int64_t length_ms = 0; // the sum of the `advance` lines
};

class BadDemo : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a demonstration. `advance` lines and the two directives are checked here; the other
// lines are the model's inputs, which its own parser reads.
DemoScript read_demo(std::istream &in);

} // namespace zun::video
