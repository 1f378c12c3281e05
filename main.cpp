// Reads the command line, builds the real desktop services and the application object, and
// runs it, unless the program runs already: then this start hands its request over and ends.
#include "app/timer_app.h"
#include "brewdial_version.h"
#include "engine/countdown_length.h"
#include "platform/command_line.h"
#include "platform/diagnostics.h"
#include "platform/qt_platform.h"
#include "res/resource.h"

#include <optional>

int main(int argc, char** argv) {
    // Before the display: --help and --version answer in a terminal without one.
    const CommandLine line = ParseCommandLine({argv, argv + argc}, kMaxCountdownMinutes, kBrewdialVersion);
    if (line.exitStatus) {
        (*line.exitStatus == 0 ? WriteOut : WriteError)(line.text);
        return *line.exitStatus;
    }
    QtPlatform platform(argc, argv, kCompanyKey);
    if (!platform.Ok()) {
        ReportProblem(platform.Error());
        return 1;
    }
    if (const std::optional<int> status = platform.ClaimInstance(line.request, kMaxCountdownMinutes)) {
        return *status;
    }
    platform.SetProgramIcon(IDR_MAINFRAME);
    CTimerApp app(platform.GetServices(), platform.Loop());
    platform.OnStartRequest([&app](const StartRequest& request) { app.CarryOut(request); });
    platform.OnSessionEnd([&app] { app.OnSessionEnd(); });
    return app.Run();
}
