// How far a splitter drag may go: the pane it sizes is never narrower than
// the minimum, and leaves at least the minimum to the pane on the other side.
#pragma once

// clientWidth is the parent's client width; otherWidths the widths of the
// other controls aligned to the sides (the splitter itself among them).
// A request below the minimum gets the minimum even in a window too narrow
// for both minimums; a request above the maximum gets the maximum, but
// never a negative width.
constexpr int ClampSplitPosition(int requested, int minSize, int clientWidth, int otherWidths)
{
    const int maxSize = clientWidth - minSize - otherWidths;
    if (requested < minSize)
        return minSize;
    if (requested > maxSize)
        return maxSize < 0 ? 0 : maxSize;
    return requested;
}
