// The C++ library's throwing paths, for a program built without exceptions.
//
// The prebuilt static C++ library was compiled with exceptions: its
// std::string members, its operator new and its std::__throw_* helpers all
// reach for exception objects, and through them the whole unwinder, the
// personality routine, a second (copy-on-write) string class and their
// unwind tables, about a third of the 32-bit program. Nothing here could
// catch such an exception anyway: thrown through frames that have no
// handlers (and, in the 32-bit build, no unwind tables) it would end the
// program. Ending at once is therefore the same outcome, minus the baggage.
//
// Like terminate.cpp this must be an object of the program itself, not of
// the library: the linker then takes these definitions and never opens the
// C++ library's members that hold its own. The tests keep the library's.
#include <stdlib.h>
#include <new>
#include <string>

// The helpers the library's headers call where they would throw (vector
// and string growth past max_size, a string made from a null pointer,
// out-of-range positions, array sizes that overflow).
namespace std {
void __throw_length_error(const char *)
{
    abort();
}

void __throw_logic_error(const char *)
{
    abort();
}

void __throw_out_of_range_fmt(const char *, ...)
{
    abort();
}

void __throw_bad_alloc()
{
    abort();
}

void __throw_bad_array_new_length()
{
    abort();
}
}

// The library declares std::string's members as instantiated in itself;
// instantiating them here, without exceptions, keeps its copy out.
// --gc-sections drops the members the program does not call.
template class std::basic_string<char>;

// Out of memory ends the program, as an uncaught std::bad_alloc would.
void *operator new(size_t cb)
{
    void *p = malloc(cb ? cb : 1);
    if (!p)
        abort();
    return p;
}

void operator delete(void *p) noexcept
{
    free(p);
}

void operator delete(void *p, size_t) noexcept
{
    free(p);
}
