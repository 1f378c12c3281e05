// A title written quietly reaches the X server and the window manager, but is not echoed back to
// the program; the window still hears its other property changes. Runs under a virtual X server
// (tests/CMakeLists.txt); elsewhere there is nothing to echo.
#include "platform/widgets/window_title.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

xcb_connection_t* Connection() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t Atom(const char* name) {
    xcb_connection_t* c = Connection();
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

std::string ServerProperty(xcb_window_t window, xcb_atom_t property) {
    xcb_connection_t* c = Connection();
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
    std::string value;
    if (reply) {
        value.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                     static_cast<size_t>(xcb_get_property_value_length(reply)));
        std::free(reply);
    }
    return value;
}

// Counts the property notifications the program receives for one window, by property.
class PropertyNotices : public QAbstractNativeEventFilter {
public:
    explicit PropertyNotices(xcb_window_t window) : m_window(window) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~PropertyNotices() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if (type == "xcb_generic_event_t" && (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
            const auto* notify = static_cast<const xcb_property_notify_event_t*>(message);
            if (notify->window == m_window) {
                m_seen.push_back(notify->atom);
            }
        }
        return false;
    }

    // Changes a property of the test's own and waits for its notification: whatever the server
    // sent before it has been seen by then. Returns how often `atoms` were heard until that point.
    int HeardUntilMarker(std::initializer_list<xcb_atom_t> atoms) {
        static const xcb_atom_t marker = Atom("BREWDIAL_TEST_MARKER");
        m_seen.clear();
        const uint32_t value = 1;
        xcb_change_property(Connection(), XCB_PROP_MODE_REPLACE, m_window, marker, XCB_ATOM_CARDINAL, 32, 1,
                            &value);
        xcb_flush(Connection());
        QElapsedTimer waited;
        waited.start();
        while (std::find(m_seen.begin(), m_seen.end(), marker) == m_seen.end() && waited.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        m_markerHeard = std::find(m_seen.begin(), m_seen.end(), marker) != m_seen.end();
        return static_cast<int>(std::count_if(m_seen.begin(), m_seen.end(), [&](xcb_atom_t seen) {
            return std::find(atoms.begin(), atoms.end(), seen) != atoms.end();
        }));
    }
    bool MarkerHeard() const { return m_markerHeard; }

private:
    xcb_window_t m_window;
    std::vector<xcb_atom_t> m_seen;
    bool m_markerHeard = false;
};

TEST(RealDesktop, ATitleWrittenQuietlyReachesTheServerButIsNotEchoedBack) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        GTEST_SKIP() << "needs an X server";
    }
    QWidget window;
    window.setWindowTitle(QStringLiteral("Timer set to: 1 minute"));
    window.resize(120, 30);
    window.show();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t netWmName = Atom("_NET_WM_NAME");
    PropertyNotices notices(id);
    notices.HeardUntilMarker({}); // past what showing the window set

    window.setWindowTitle(QStringLiteral("plain"));
    EXPECT_EQ(notices.HeardUntilMarker({netWmName, XCB_ATOM_WM_NAME}), 2)
        << "an ordinary title change is echoed";
    ASSERT_TRUE(notices.MarkerHeard());

    for (const char* title : {"Timer set to: 1 minute: 00:01", "Timer set to: 1 minute: 00:02"}) {
        SetWindowTitleQuietly(&window, QString::fromUtf8(title));
        EXPECT_EQ(notices.HeardUntilMarker({netWmName, XCB_ATOM_WM_NAME}), 0) << title;
        EXPECT_TRUE(notices.MarkerHeard()) << "other property changes are still heard";
        EXPECT_EQ(ServerProperty(id, netWmName), title);
        EXPECT_EQ(ServerProperty(id, XCB_ATOM_WM_NAME), title);
        EXPECT_EQ(window.windowTitle().toStdString(), title);
    }
}

TEST(QtWindowTitle, ElsewhereTheTitleIsSimplySet) {
    QWidget window;
    SetWindowTitleQuietly(&window, QStringLiteral("Count-Up"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Count-Up"));
    EXPECT_EQ(window.internalWinId(), 0u) << "writing the title does not create the native window";
    window.show();
    SetWindowTitleQuietly(&window, QStringLiteral("Paused"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Paused"));
    EXPECT_EQ(window.windowHandle()->title(), QStringLiteral("Paused"));
}

} // namespace
