#include "RenderTimeLimits.h"

RenderTimeLimits& renderTimeLimits()
{
    static RenderTimeLimits limits;
    return limits;
}
