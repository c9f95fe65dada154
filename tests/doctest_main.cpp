// The test programs' entry: the record gets its start-up values first, as
// the program's own entry gives them.
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest.h>
#include "scroll/settings.h"

int main(int argc, char **argv)
{
    SetDefaultSettings();
    return doctest::Context(argc, argv).run();
}
