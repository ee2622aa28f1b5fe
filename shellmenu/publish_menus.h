// "生成": registers every entry as a command-store verb, hangs one cascade
// menu listing them on the chosen targets (and always on the library
// background), then saves the entries to the data file.
#pragma once

// Returns whether every registry write and the data-file save succeeded;
// every step is attempted whatever the earlier ones gave.
bool PublishMenus(bool desktop, bool files, bool folders);
