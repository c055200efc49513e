// The global allocation functions of the Windows program: the C runtime's
// heap, and an immediate end when it has no memory left, instead of the
// C++ library's operator new, which throws std::bad_alloc and so brings
// in the whole exception runtime.
#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  std::abort();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
