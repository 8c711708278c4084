#pragma once

namespace gs {

// A pixel rectangle; Right and Bottom are exclusive, as for a filled rectangle.
struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    friend bool operator==(const TRect &, const TRect &) = default;
};

} // namespace gs
