#pragma once

#include <filesystem>

class TempDir;

// A small PNG picture written into the folder; its path.
std::filesystem::path WriteTestPicture(const TempDir& dir, const char* name);
