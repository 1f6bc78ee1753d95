#pragma once

// This release. The upgrade check compares the number with the one the
// maker's version file announces.
inline constexpr int kReleaseNumber = 401;
inline constexpr const char* kVersionText = "4.0a";
