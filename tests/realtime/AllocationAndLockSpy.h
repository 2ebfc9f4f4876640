#pragma once

#include <atomic>

// Counts heap allocations, frees and blocking lock calls made by the calling
// thread while it is being watched. The counting functions replace the C
// library's allocator entry points and pthread's locking calls for the whole
// test process.
namespace spy
{
    struct Counts
    {
        int allocations = 0;
        int frees = 0;
        int locks = 0;
    };

    // Watches the calling thread until the returned counts are read.
    void startWatchingThisThread();
    Counts stopWatchingThisThread();
}
