#include "model/SyncPair.h"

#include <algorithm>

bool SyncPair::MarkSynchronised() {
    if (!Changed()) {
        return false;
    }
    synchronised = current;
    return true;
}

bool SyncPair::Settle() {
    const bool differed = Changed();
    current = synchronised = std::max(current, synchronised);
    return differed;
}

SyncPair::Comparison SyncPair::Compare(std::uint32_t peer) const {
    if (synchronised < current && synchronised < peer) {
        return ChangedOnBoth;
    }
    if (synchronised == current && synchronised < peer) {
        return ChangedOnPeer;
    }
    if (peer == synchronised && synchronised < current) {
        return ChangedHere;
    }
    return Unchanged;
}
