#pragma once

#include "model/SyncPair.h"

// Mix-in carrying the change counters compared on handheld synchronisation.
class CSBSync {
public:
    SyncPair& Sync() { return m_sync; }
    const SyncPair& Sync() const { return m_sync; }
    void Touch() { m_sync.Touch(); }

private:
    SyncPair m_sync;
};
