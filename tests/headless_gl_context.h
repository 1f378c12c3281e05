#pragma once
// A headless OpenGL 2.1 compatibility context from Mesa (EGL's surfaceless platform), drawing into
// a framebuffer object of a chosen size, with RGBA colour and a 16-bit depth buffer.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct Rgb8 {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

class HeadlessGlContext {
public:
    // Made current on success; otherwise null, and whyNot says what was missing.
    static std::unique_ptr<HeadlessGlContext> Create(int width, int height, std::string& whyNot);
    ~HeadlessGlContext();
    HeadlessGlContext(const HeadlessGlContext&) = delete;
    HeadlessGlContext& operator=(const HeadlessGlContext&) = delete;

    // Makes it the current context again; false when EGL refuses.
    bool MakeCurrent();
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The finished frame, row by row from the top.
    std::vector<Rgb8> ReadPixels() const;

private:
    struct Handles;
    HeadlessGlContext(int width, int height, std::unique_ptr<Handles> handles);
    int m_width;
    int m_height;
    std::unique_ptr<Handles> m_handles;
};
