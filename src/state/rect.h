// A rectangle in twips, as window places and sizes are kept.
#pragma once

namespace pantrix {

struct Rect
{
    long Left = 0;
    long Top = 0;
    long Width = 0;
    long Height = 0;
    bool operator==(const Rect&) const = default;
};

} // namespace pantrix
