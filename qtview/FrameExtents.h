// The frame a window manager will draw around a window, asked before the
// window is shown, so that the whole window can be placed.
#pragma once

namespace qtview {

struct Frame {
    int Left = 0, Right = 0, Top = 0, Bottom = 0;
};

// The frame the X window manager gives a fixed-size dialog of this client
// size; none when no window manager runs, when it does not answer in time, or
// off X.
Frame FrameExtents(int width, int height);

}  // namespace qtview
