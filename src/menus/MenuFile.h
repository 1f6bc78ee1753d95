#pragma once

#include "menus/CSBMenu.h"
#include "model/SyncPair.h"
#include "platform/FileError.h"

#include <cstdint>
#include <filesystem>
#include <istream>
#include <memory>
#include <span>
#include <string>
#include <vector>

// The file does not start with a banner this program knows.
class NotAMenuFileError : public FileError {
public:
    using FileError::FileError;
};

// The ".sbm" file of the menus: the version banner, the counters of the menu
// data (from version 3.0 on), the last menu id, then the menus as objects.
class MenuFile {
public:
    static constexpr const char* kFileName = "SavorbridgeMenu.sbm";
    static constexpr int kFirstVersionWithCounters = 300;

    struct Contents {
        int fileVersion = 0;
        SyncPair counters;
        std::int32_t lastMenuId = 0;
        std::vector<std::unique_ptr<CSBMenu>> menus;
        // The file ended or broke before its last menu: what came before it is kept.
        bool damaged = false;
    };

    // Throws NotAMenuFileError for a foreign file, FileError when it cannot be read.
    static Contents Load(const std::filesystem::path& path);
    static Contents Load(std::istream& in, const std::filesystem::path& path);

    static std::string ToBytes(const SyncPair& counters, std::int32_t lastMenuId,
                               std::span<const std::unique_ptr<CSBMenu>> menus);

    // The banner and, from version 3.0 on, the counters that follow it.
    struct Header {
        int fileVersion = 0;
        SyncPair counters;
        bool hasCounters = false;
    };
    // Throws NotAMenuFileError or FileError.
    static Header ReadHeader(const std::filesystem::path& path);
};
