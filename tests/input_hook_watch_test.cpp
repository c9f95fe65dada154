// The hook watchdog's decisions from two samples.
#include <doctest.h>
#include "input/hook_watch.h"

TEST_CASE("a dead hook is told by input that no hook saw")
{
    struct { HOOKSAMPLE prev, now; int keyboardHooked; int repair; const char *why; } rows[] = {
        {{10, 10, 100, 5, 7, 0}, {10, 10, 100, 5, 7, 0}, 1, 0, "nothing happened"},
        {{10, 10, 100, 5, 7, 0}, {40, 10, 200, 9, 7, 0}, 1, 0, "moved, and the mouse hook saw it"},
        {{10, 10, 100, 5, 7, 0}, {40, 10, 200, 5, 7, 0}, 1, REPAIR_MOUSE, "moved, unseen"},
        {{10, 10, 100, 5, 7, 0}, {40, 10, 200, 5, 7, 0}, 0, REPAIR_MOUSE, "moved, unseen, while OFF"},
        {{10, 10, 100, 5, 7, 0}, {10, 10, 200, 5, 9, 0}, 1, 0, "typing seen by the keyboard hook"},
        {{10, 10, 100, 5, 7, 0}, {10, 10, 200, 5, 7, 0}, 1, REPAIR_KEYBOARD, "typing, unseen"},
        {{10, 10, 100, 5, 7, 0}, {10, 10, 200, 5, 7, 0}, 0, 0, "typing while OFF needs no hook"},
        {{10, 10, 100, 5, 7, 0}, {10, 10, 200, 6, 7, 0}, 1, 0, "a click the mouse hook saw"},
        {{10, 10, 100, 5, 7, 0}, {10, 10, 100, 5, 7, 0}, 0, 0, "idle while OFF"},
        {{10, 10, 100, 5, 7, 0}, {11, 10, 100, 5, 7, 0}, 1, REPAIR_MOUSE,
         "cursor set by a program: one harmless reinstall"},
        {{10, 10, 100, 5, 7, 3}, {90, 10, 200, 9, 7, 8}, 1, REPAIR_KEYBOARD,
         "a drag goes on, the keys raw input told of unseen"},
        {{10, 10, 100, 5, 7, 3}, {90, 10, 200, 9, 9, 8}, 1, 0, "a drag goes on, its keys seen"},
        {{10, 10, 100, 5, 7, 3}, {90, 10, 200, 9, 7, 4}, 1, 0,
         "one key event's hook call may still be on its way"},
        {{10, 10, 100, 5, 7, 3}, {90, 10, 200, 9, 7, 8}, 0, 0, "keys while OFF need no hook"},
    };
    for (auto &r : rows) {
        CAPTURE(r.why);
        CHECK(HooksToRepair(&r.prev, &r.now, r.keyboardHooked) == r.repair);
    }
}
