#include "tests/headless_rendering.h"

#include "platform/wnd.h"

namespace {

class HeadlessRenderingContext : public GlRenderingContext {
public:
    explicit HeadlessRenderingContext(HeadlessGlContext& gl) : m_gl(gl) {}
    bool MakeCurrent() override { return m_gl.MakeCurrent(); }

private:
    HeadlessGlContext& m_gl;
};

class HeadlessDeviceContext : public GlDeviceContext {
public:
    HeadlessDeviceContext(std::unique_ptr<HeadlessGlContext> gl, HeadlessRendering& owner)
        : m_gl(std::move(gl)), m_owner(owner) {}
    std::unique_ptr<GlRenderingContext> CreateContext() override {
        return std::make_unique<HeadlessRenderingContext>(*m_gl);
    }
    void SwapBuffers() override {
        m_owner.shown = m_gl->ReadPixels();
        m_owner.width = m_gl->Width();
        m_owner.height = m_gl->Height();
        ++m_owner.swaps;
    }

private:
    std::unique_ptr<HeadlessGlContext> m_gl;
    HeadlessRendering& m_owner;
};

} // namespace

std::unique_ptr<GlDeviceContext> HeadlessRendering::GetDC(CWnd& wnd, int) {
    const CRect client = wnd.GetClientRect();
    if (!wnd.IsCreated() || client.Width() < 1 || client.Height() < 1) {
        return nullptr;
    }
    std::unique_ptr<HeadlessGlContext> gl =
        HeadlessGlContext::Create(client.Width(), client.Height(), whyNot);
    if (!gl) {
        return nullptr;
    }
    return std::make_unique<HeadlessDeviceContext>(std::move(gl), *this);
}
