// Where the program lives: fixed once at start-up for the whole run.
#pragma once

#include "entries/text.h"

// The full path of this process's executable, however long it is; the buffer
// starts at `initialSize` bytes and grows until the path fits.
Text ReadModuleFileName(std::size_t initialSize = 260);

// Splits `modulePath` into RunDirectory and ExecutableFileName. Start-up calls
// it with ReadModuleFileName(); tests call it with a path of their choosing.
void InitProgramPaths(const Text& modulePath);

const Text& RunDirectory();
const Text& ExecutableFileName();
Text DataDirectory();  // RunDirectory + "\data"
Text DataFilePath();   // RunDirectory + "/data/data.ini"
