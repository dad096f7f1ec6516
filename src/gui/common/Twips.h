#pragma once

// Window layouts are given in twips; the classroom screens run at 96 dpi,
// where a pixel is 15 twips.
constexpr int twips(int value)
{
    return value / 15;
}

constexpr int toTwips(int pixels)
{
    return pixels * 15;
}
