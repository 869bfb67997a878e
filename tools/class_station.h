#pragma once

#include <iosfwd>

// `zun-sim --station PACE SCRIPT`: the script played as a station of the centre's class that the
// history's settings name, as the trainer is one: its session recorded to a session file in the
// sessions folder, and the file streamed to the class as it grows. Each `advance` takes its time
// divided by `pace` (1 is a person's pace), the line's time marked in the file every second of it
// and the new lines pushed four times a second of wall time. At the end the file gets its end line
// and the rest is pushed; the output names the station, the session and the lines stored.
// Returns the runner's exit status, or Failed when the server did not take every line.
int play_as_station(double pace, const char *script_path, std::ostream &out, std::ostream &errors);
