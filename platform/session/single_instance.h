#pragma once
// One running program per user and display. The first start listens on a local socket in the
// user's runtime folder; a later start hands its request to it and ends. The socket is a plain
// Unix one on the event loop's notifiers: Qt's network module would load a dozen libraries into
// a program that sits in the tray all day for this one line.
#include "platform/command_line.h"

#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Listening,  // this process is the one instance: later starts reach it
        HandedOver, // the running instance took the request: this start is done
        NoAnswer,   // an instance runs but did not take the request
        Alone,      // no socket could be made: this process runs, out of reach of later starts
    };

    // maxMinutes: the longest countdown a handed-over request may ask for.
    SingleInstance(QString socketPath, int maxMinutes);
    ~SingleInstance() override;

    // Becomes the instance that listens, or hands the request to the one that does. A start
    // that asks for nothing asks the running instance to bring up its main dialog.
    Outcome Claim(const StartRequest& request);
    // Why the last Claim did not end in Listening or HandedOver.
    const QString& Error() const { return m_error; }
    // The requests later starts hand over, each delivered through the event loop.
    void OnRequest(std::function<void(const StartRequest&)> handler) { m_handler = std::move(handler); }
    // Later starts find no instance any more (the program is ending).
    void StopListening();

private:
    class Connection;
    enum class Delivery { Taken, Unanswered, Dropped };
    static Delivery Deliver(int fd, const std::string& message);
    bool Listen();
    void Accept();
    void ResumeListening();
    void Read(Connection& connection);
    void Drop(Connection& connection);

    QString m_path;
    int m_maxMinutes;
    int m_listener = -1;
    std::unique_ptr<QSocketNotifier> m_listening;
    QTimer m_resume; // listening again after descriptors ran out
    std::vector<std::unique_ptr<Connection>> m_connections;
    QString m_error;
    std::function<void(const StartRequest&)> m_handler;
};
