#pragma once

#include <cstdint>

// The change counters of a model node or a side-data set: the current count
// and the count at the last handheld synchronisation.
struct SyncPair {
    // How this side and a peer changed since the last synchronisation.
    enum Comparison { Unchanged = 0, ChangedHere = 1, ChangedOnPeer = 2, ChangedOnBoth = 3 };

    std::uint32_t current = 0;
    std::uint32_t synchronised = 0;

    // Any number of edits between two synchronisations count once.
    void Touch() {
        if (current == synchronised) {
            ++current;
        }
    }
    bool Changed() const { return current != synchronised; }
    bool MarkSynchronised();
    bool Settle();
    Comparison Compare(std::uint32_t peer) const;
};
