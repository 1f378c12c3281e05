// Times the 3D-Timer's largest frame (Red/Yellow/Green, 90 parts, all spins) in a headless Mesa
// context, with and without the light, and optionally writes a picture of every disk type.
//   disk_frame_bench [--frames N] [--parts N] [--png DIR]
#include "gl3d/disk_model.h"
#include "tests/bench/png_file.h"
#include "tests/headless_gl_context.h"

#include <GL/gl.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

// A model as the window's creator sets it up, with the stored default colours.
DiskModel MakeModel(int diskType, bool light, double parts) {
    DiskModel model;
    model.m_nDiskType = diskType;
    model.m_bLight = light ? 1 : 0;
    model.m_dParts = parts;
    model.m_nSkip = 1;
    model.m_nMinutes = 5;
    model.m_colMulti[0] = ColorFromProfileInt(65280);
    model.m_colMulti[1] = ColorFromProfileInt(65535);
    model.m_colMulti[2] = ColorFromProfileInt(255);
    model.m_colCurrent = ColorFromProfileInt(65280);
    model.m_colSecMin[0] = ColorFromProfileInt(65280);
    model.m_colSecMin[1] = ColorFromProfileInt(255);
    model.m_strTitle = "3D-Timer (5 minutes)";
    return model;
}

std::unique_ptr<HeadlessGlContext> Context() {
    std::string whyNot;
    auto context = HeadlessGlContext::Create(kWidth, kHeight, whyNot);
    if (!context) {
        std::fprintf(stderr, "no headless OpenGL context: %s\n", whyNot.c_str());
        std::exit(1);
    }
    return context;
}

void TimeLargestFrame(bool light, int frames, double parts) {
    auto context = Context();
    DiskModel model = MakeModel(1, light, parts);
    model.m_bSpinX = model.m_bSpinY = model.m_bSpinZ = 1;
    model.InitScene(kWidth, kHeight, false);
    for (int i = 0; i < 20; ++i) {
        model.RenderFrame();
    }
    glFinish();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i) {
        model.RenderFrame();
        glFinish();
    }
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    std::printf("type 1, %g parts, light %s, %dx%d: %.3f ms per frame (%d frames)\n", parts,
                light ? "on " : "off", kWidth, kHeight, spent.count() / frames, frames);
}

// Each disk type a minute and twenty seconds into a five-minute countdown, and the full disk.
void WritePictures(const std::string& dir) {
    for (int type = 1; type <= 4; ++type) {
        for (bool light : {false, true}) {
            for (bool full : {true, false}) {
                auto context = Context();
                DiskModel model = MakeModel(type, light, 90.0);
                model.InitScene(kWidth, kHeight, false);
                for (int tick = 0; !full && tick < 80 * 4; ++tick) {
                    model.m_dRemaining = RemainingAngle(tick + 1, 5 * 240);
                    model.UpdateTimeText();
                }
                model.RenderFrame();
                const std::string path = dir + "/type" + std::to_string(type) +
                                         (light ? "_light" : "_nolight") + (full ? "_start" : "_1m20s") +
                                         ".png";
                if (!WritePng(path, kWidth, kHeight, context->ReadPixels())) {
                    std::fprintf(stderr, "could not write %s\n", path.c_str());
                    std::exit(1);
                }
                std::printf("wrote %s\n", path.c_str());
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    int frames = 500;
    double parts = 90.0;
    std::string pngDir;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc) {
            frames = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--parts") == 0 && i + 1 < argc) {
            parts = std::atof(argv[++i]);
        } else if (std::strcmp(argv[i], "--png") == 0 && i + 1 < argc) {
            pngDir = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--frames N] [--parts N] [--png DIR]\n", argv[0]);
            return 2;
        }
    }
    TimeLargestFrame(true, frames, parts);
    TimeLargestFrame(false, frames, parts);
    if (!pngDir.empty()) {
        WritePictures(pngDir);
    }
    return 0;
}
