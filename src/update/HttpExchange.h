#pragma once

#include <QObject>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <string>
#include <string_view>

#include "update/UpdateServer.h"

namespace sockwright {

// One request to the update server and its answer, on the event loop: connect, send the request
// bytes in one write, and hand each piece of the answer to a receiver until the server closes
// the connection. No status or header is looked at here.
class HttpExchange : public QObject {
    Q_OBJECT
  public:
    // Takes the next bytes of the answer; false when it wants nothing more, which ends the
    // exchange as if the server had closed.
    using Receiver = std::function<bool(std::string_view bytes)>;

    explicit HttpExchange(const UpdateServer& server, QObject* parent = nullptr);
    // A running exchange ends silently, before its members go: the socket's own destruction
    // would otherwise report the connection's end to a half-destroyed exchange.
    ~HttpExchange() override { cancel(); }

    void start(const std::string& wireBytes, Receiver receiver);
    bool running() const { return running_; }
    // Drops the connection of a running exchange; finished() is not emitted.
    void cancel();

  signals:
    // `received`: the answer was read to its end (the server closed the connection, or the
    // receiver had enough); false for a failed connection, a receive error or a time-out.
    void finished(bool received);

  private:
    void receive();
    void fail(QAbstractSocket::SocketError error);
    void end(bool received);

    UpdateServer server_;
    QTcpSocket socket_;
    QTimer idle_;
    std::string request_;
    Receiver receiver_;
    bool running_ = false;
};

}  // namespace sockwright
