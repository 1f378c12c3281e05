// Builds the real desktop services and the application object, and runs it.
#include "app/timer_app.h"
#include "platform/qt_platform.h"

#include <iostream>

int main(int argc, char** argv) {
    QtPlatform platform(argc, argv, kCompanyKey);
    if (!platform.Ok()) {
        std::cerr << "brewdial: " << platform.Error() << "\n";
        return 1;
    }
    CTimerApp app(platform.GetServices(), platform.Loop());
    return app.Run();
}
