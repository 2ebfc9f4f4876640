#include "AllocationAndLockSpy.h"

#include <dlfcn.h>
#include <malloc.h>
#include <pthread.h>
#include <semaphore.h>

#include <cerrno>
#include <cstdlib>
#include <new>

extern "C"
{
    void* __libc_malloc (size_t);
    void* __libc_calloc (size_t, size_t);
    void* __libc_realloc (void*, size_t);
    void* __libc_memalign (size_t, size_t);
    void __libc_free (void*);
}

namespace
{
    thread_local bool watching = false;
    thread_local spy::Counts counts;

    void noteAllocation() { if (watching) ++counts.allocations; }
    void noteFree (void* p) { if (watching && p != nullptr) ++counts.frees; }
    void noteLock() { if (watching) ++counts.locks; }

    template <typename Function>
    Function next (const char* name)
    {
        return reinterpret_cast<Function> (dlsym (RTLD_NEXT, name));
    }

    // Resolved before main, while nothing is watched.
    const auto realMutexLock = next<int (*) (pthread_mutex_t*)> ("pthread_mutex_lock");
    const auto realMutexTryLock = next<int (*) (pthread_mutex_t*)> ("pthread_mutex_trylock");
    const auto realReadLock = next<int (*) (pthread_rwlock_t*)> ("pthread_rwlock_rdlock");
    const auto realWriteLock = next<int (*) (pthread_rwlock_t*)> ("pthread_rwlock_wrlock");
    const auto realConditionWait = next<int (*) (pthread_cond_t*, pthread_mutex_t*)> ("pthread_cond_wait");
    const auto realSemaphoreWait = next<int (*) (sem_t*)> ("sem_wait");
}

void spy::startWatchingThisThread()
{
    counts = {};
    watching = true;
}

spy::Counts spy::stopWatchingThisThread()
{
    watching = false;
    return counts;
}

extern "C"
{
    void* malloc (size_t size) { noteAllocation(); return __libc_malloc (size); }
    void* calloc (size_t n, size_t size) { noteAllocation(); return __libc_calloc (n, size); }
    void* realloc (void* p, size_t size) { noteAllocation(); return __libc_realloc (p, size); }
    void* memalign (size_t alignment, size_t size) { noteAllocation(); return __libc_memalign (alignment, size); }
    void* aligned_alloc (size_t alignment, size_t size) { noteAllocation(); return __libc_memalign (alignment, size); }
    void free (void* p) { noteFree (p); __libc_free (p); }

    int posix_memalign (void** out, size_t alignment, size_t size)
    {
        noteAllocation();
        *out = __libc_memalign (alignment, size);
        return *out != nullptr || size == 0 ? 0 : ENOMEM;
    }

    int pthread_mutex_lock (pthread_mutex_t* m) { noteLock(); return realMutexLock (m); }
    int pthread_mutex_trylock (pthread_mutex_t* m) { noteLock(); return realMutexTryLock (m); }
    int pthread_rwlock_rdlock (pthread_rwlock_t* l) { noteLock(); return realReadLock (l); }
    int pthread_rwlock_wrlock (pthread_rwlock_t* l) { noteLock(); return realWriteLock (l); }
    int pthread_cond_wait (pthread_cond_t* c, pthread_mutex_t* m) { noteLock(); return realConditionWait (c, m); }
    int sem_wait (sem_t* s) { noteLock(); return realSemaphoreWait (s); }
}
