// A tick plan spelled out as step letters ("LLUU"), for tables of plans.
#pragma once
#include "scroll/tick_plan.h"
#include <string>

inline std::string Steps(const TICKPLAN &plan)
{
    static const char letters[] = "UDLR";
    std::string s;
    for (int i = 0; i < plan.nSegments; i++)
        for (int r = 0; r < plan.aSegments[i].nRepeat; r++)
            for (int d = 0; d < plan.aSegments[i].nDirections; d++)
                s += letters[plan.aSegments[i].anDirection[d]];
    return s;
}
