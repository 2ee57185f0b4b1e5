#pragma once
// Replay and reload of a recorded log file, and the file last chosen for
// them. Each reader checks the whole file first; a file that holds no
// usable deal gives a message and leaves the table as it was.

#include <string>

// The full path of the log file chosen last; "" none. Kept between uses.
extern std::string LogFilePath;

// Rebuilds the recorded deal at the start of trick play and plays it.
void ReplayFromLogfile();
// Deals a new deal from the recorded pack order.
void ReloadFromLogfile();
