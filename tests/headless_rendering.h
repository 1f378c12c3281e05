#pragma once
// OpenGL for the program's windows in a headless Mesa context: a window's device context draws
// into a framebuffer of the window's client size at the time it is asked for, and every buffer
// swap keeps the frame shown, to be looked at pixel by pixel.
#include "platform/services.h"
#include "tests/headless_gl_context.h"

#include <string>
#include <vector>

class HeadlessRendering : public RenderingService {
public:
    std::unique_ptr<GlDeviceContext> GetDC(CWnd& wnd, int depthBits) override;

    // The last frame swapped to the front, row by row from the top, and its size.
    std::vector<Rgb8> shown;
    int width = 0;
    int height = 0;
    int swaps = 0;
    // Why no context could be made, when none could.
    std::string whyNot;
};
