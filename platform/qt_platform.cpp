#include "platform/qt_platform.h"

#include "platform/diagnostics.h"
#include "platform/display/display_service.h"
#include "platform/display/rendering_service.h"
#include "platform/display/windowing_platform.h"
#include "platform/profile/qt_profile_store.h"
#include "platform/session/instance_socket.h"
#include "platform/session/session_end.h"
#include "platform/session/single_instance.h"
#include "platform/sound/sound_service.h"
#include "platform/timers/local_clock.h"
#include "platform/timers/timer_service.h"
#include "platform/tray/tray_service.h"
#include "platform/widgets/art.h"
#include "platform/widgets/message_loop.h"
#include "platform/widgets/modal_service.h"

#include <QApplication>
#include <QFileInfo>
#include <QSurfaceFormat>

#include <cstdlib>

namespace {

std::string ExecutableName(const char* argv0) {
    return QFileInfo(QString::fromLocal8Bit(argv0)).completeBaseName().toStdString();
}

} // namespace

struct QtPlatform::Parts {
    std::unique_ptr<QApplication> app;
    QtTimerService timers;
    QtLocalClock clock;
    QtModalService modal;
    QtTrayService tray;
    QtSoundService sound;
    QtDisplayService display;
    std::unique_ptr<QtProfileStore> profile;
    QtSystemService system;
    QtRenderingService rendering;
    QtMessageLoop loop;
    std::unique_ptr<SingleInstance> instance;
    StartRequest ownRequest;
    std::unique_ptr<SessionEnd> sessionEnd;
};

QtPlatform::QtPlatform(int& argc, char** argv, const std::string& company) {
    m_error = ChooseWindowingPlatform();
    if (!m_error.empty()) {
        return;
    }
    // Repainting a window in shared memory first asks the X server, by a round trip, whether it
    // has read the last picture; the small windows here go as plain images, which need none.
    setenv("QT_XCB_NO_MITSHM", "1", 0);
    // The 3D-Timer draws with the fixed-function pipeline.
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(16);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    QSurfaceFormat::setDefaultFormat(format);

    m_parts = std::make_unique<Parts>();
    m_parts->app = std::make_unique<QApplication>(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // the program lives on in the tray
    // The name a tray host shows for the icon, and the window class the desktop entry names.
    QApplication::setApplicationName(QStringLiteral("Brewdial"));
    // Wayland's app_id: the compositor finds the desktop entry, and its icon, by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.quorvane.Brewdial"));
    m_parts->profile = std::make_unique<QtProfileStore>(company, ExecutableName(argv[0]));
    Parts& p = *m_parts;
    m_services.reset(new Services{p.timers, p.clock, p.modal, p.tray, p.sound, p.display, *p.profile,
                                  p.system, p.rendering});
}

// The application object is the last part to go: every service still needs it.
QtPlatform::~QtPlatform() = default;

MessageLoop& QtPlatform::Loop() {
    return m_parts->loop;
}

std::optional<int> QtPlatform::ClaimInstance(const StartRequest& request, int maxMinutes) {
    auto instance = std::make_unique<SingleInstance>(OwnInstanceSocketPath(), maxMinutes);
    switch (instance->Claim(request)) {
    case SingleInstance::Outcome::HandedOver:
        return 0;
    case SingleInstance::Outcome::NoAnswer:
        ReportProblem(instance->Error().toStdString() + "; nothing was started");
        return 1;
    case SingleInstance::Outcome::Alone:
        ReportProblem(instance->Error().toStdString() +
                      "; a later start will not find this one and runs on its own");
        break;
    case SingleInstance::Outcome::Listening:
        break;
    }
    QObject::connect(m_parts->app.get(), &QCoreApplication::aboutToQuit, instance.get(),
                     &SingleInstance::StopListening);
    m_parts->instance = std::move(instance);
    m_parts->ownRequest = request;
    return std::nullopt;
}

void QtPlatform::OnStartRequest(std::function<void(const StartRequest&)> handler) {
    if (!m_parts->instance) {
        return;
    }
    m_parts->instance->OnRequest(handler);
    if (!m_parts->ownRequest.Empty()) {
        QMetaObject::invokeMethod(
            m_parts->instance.get(), [handler, request = m_parts->ownRequest] { handler(request); },
            Qt::QueuedConnection);
    }
}

void QtPlatform::OnSessionEnd(std::function<void()> handler) {
    m_parts->sessionEnd = std::make_unique<SessionEnd>(std::move(handler));
}

void QtPlatform::SetProgramIcon(HICON icon) {
    QApplication::setWindowIcon(IconResource(icon));
}
