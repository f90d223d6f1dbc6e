// Every allocation of the program goes through here, so exhausted memory reaches the fatal error
// report with the byte count, whichever container asked. Nothing throws std::bad_alloc.
#include <cstdlib>
#include <new>

#include "core/text/fatal_error.h"

namespace {

void* Allocate(std::size_t size) {
    if (void* p = std::malloc(size ? size : 1)) return p;
    ReportOutOfMemory(size);
}

void* AllocateAligned(std::size_t size, std::align_val_t align) {
    std::size_t a = static_cast<std::size_t>(align);
#ifdef _WIN32
    if (void* p = _aligned_malloc(size ? size : 1, a)) return p;
#else
    std::size_t rounded = ((size ? size : 1) + a - 1) / a * a;
    if (rounded >= size)
        if (void* p = std::aligned_alloc(a, rounded)) return p;
#endif
    ReportOutOfMemory(size);
}

void FreeAligned(void* p) {
#ifdef _WIN32
    _aligned_free(p);
#else
    std::free(p);
#endif
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void* operator new(std::size_t size, std::align_val_t a) { return AllocateAligned(size, a); }
void* operator new[](std::size_t size, std::align_val_t a) { return AllocateAligned(size, a); }

void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete[](void* p, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { FreeAligned(p); }
