#include "forms/Bounce.h"

void BounceStep(BouncePosition &point, BounceDirection &flags)
{
    point.top = static_cast<std::uint16_t>(flags.up == 1 ? point.top - 5 : point.top + 5);
    point.left = static_cast<std::uint16_t>(flags.leftward == 1 ? point.left - 5 : point.left + 5);
    if (point.top >= 150)
        flags.up = 1;
    if (point.top <= 120)
        flags.up = 0;
    if (point.left >= 350)
        flags.leftward = 1;
    if (point.left <= 190)
        flags.leftward = 0;
}
