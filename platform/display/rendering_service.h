#pragma once
// OpenGL drawing in a window, and whether the system has the OpenGL libraries for it.
#include "platform/services.h"

#include <memory>

class QtRenderingService : public RenderingService {
public:
    std::unique_ptr<GlDeviceContext> GetDC(CWnd& wnd, int depthBits) override;
};

class QtSystemService : public SystemService {
public:
    bool OpenGlLibrariesAvailable() override;
};
