// The program is built without exceptions, but the C++ library's string code
// still names its "verbose" terminate handler, and that handler brings the
// whole C++ name demangler (some 45 KB) into the executable only to print a
// message that a windowed program has nowhere to show. Ending at once, as the
// default handler does after printing, is all this program needs.
#include <stdlib.h>

namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    abort();
}
}
