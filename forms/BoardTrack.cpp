#include "forms/BoardTrack.h"

const OneBased<TrackPoint, SquareCount> BoardTrack = {{{
    {142, 47}, {198, 39}, {286, 42}, {374, 39}, {462, 40}, {534, 42},              // top, 1..6
    {526, 82}, {526, 119}, {518, 159}, {510, 206}, {502, 247},                     // right, 7..11
    {489, 303}, {430, 303}, {374, 303}, {278, 298}, {198, 303}, {118, 311}, {38, 311}, // bottom, 12..18
    {46, 257}, {70, 207}, {94, 153}, {117, 105},                                    // left, 19..22
}}};

std::int8_t ForwardSquareOf(std::int8_t square, int roll)
{
    int reached = square + roll;
    if (reached > SquareCount)
        reached -= SquareCount;
    return static_cast<std::int8_t>(reached);
}

std::int8_t BackwardSquareOf(std::int8_t square, int roll)
{
    int reached = square - roll;
    if (reached <= 0)
        reached += SquareCount;
    return static_cast<std::int8_t>(reached);
}
