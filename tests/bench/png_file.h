#pragma once
// Writes an RGB picture as an uncompressed PNG file, for looking at rendered frames.
#include "tests/headless_gl_context.h"

#include <string>
#include <vector>

// Rows from the top; false when the file could not be written.
bool WritePng(const std::string& path, int width, int height, const std::vector<Rgb8>& pixels);
