// A fresh folder for one test, beside the test program, removed afterwards.
// It stands in for the program's own folder: RunDirectory points into it.
#pragma once

#include <string>

#include "entries/text.h"

struct TestFolder {
  Text path;  // no trailing backslash
  explicit TestFolder(const char* name = "run");
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  Text DataFile() const { return path + "\\data\\data.ini"; }
  Text ReadDataFile() const;
  void WriteDataFile(const std::string& bytes) const;
};

Text ReadFileBytes(const Text& path);
void WriteFileBytes(const Text& path, const std::string& bytes);
