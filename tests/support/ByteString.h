#pragma once

#include <initializer_list>
#include <string>

// A byte string written as numbers, for spelling out file layouts in tests.
inline std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (const int value : values) {
        bytes.push_back(static_cast<char>(value));
    }
    return bytes;
}
