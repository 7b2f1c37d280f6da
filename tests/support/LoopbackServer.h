#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace sockwright::testing {

// How a scripted server answers one connection: each segment goes out in a send of its own,
// 30 ms apart, so the client receives them separately; then the connection ends as asked.
struct ScriptedReply {
    enum class Ending {
        Close,  // an orderly close
        Reset,  // a reset, as from a server that crashed
        Hold    // the connection stays open and silent until the server is destroyed
    };
    std::vector<std::string> segments;
    Ending ending = Ending::Close;
};

// A TCP server on 127.0.0.1 at a port the system picks, in a thread of its own, that answers the
// n-th connection with the n-th reply (later connections are closed at once) and records the
// exact bytes of every request it received.
class LoopbackServer {
  public:
    explicit LoopbackServer(std::vector<ScriptedReply> replies) : replies_(std::move(replies)) {
        listener_ = boundSocket(port_);
        if (::listen(listener_, 8) != 0) throw std::runtime_error("listen failed");
        thread_ = std::thread([this] { serve(); });
    }
    ~LoopbackServer() {
        stopping_ = true;
        thread_.join();
        ::close(listener_);
    }
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    std::uint16_t port() const { return port_; }
    std::vector<std::string> requests() const {
        const std::lock_guard lock(mutex_);
        return requests_;
    }
    int connections() const { return static_cast<int>(requests().size()); }

    // A socket bound to 127.0.0.1 at a port of the system's choice, not yet listening.
    static int boundSocket(std::uint16_t& port) {
        const int descriptor = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (descriptor < 0 ||
            ::bind(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::getsockname(descriptor, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            throw std::runtime_error("cannot bind a loopback socket");
        }
        port = ntohs(address.sin_port);
        return descriptor;
    }

  private:
    static bool readable(int descriptor) {
        pollfd entry{descriptor, POLLIN, 0};
        return ::poll(&entry, 1, 20) > 0;
    }

    void serve() {
        while (!stopping_) {
            if (!readable(listener_)) continue;
            const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection < 0) continue;
            std::string request = readRequest(connection);
            std::unique_lock lock(mutex_);
            requests_.push_back(std::move(request));
            const std::size_t index = requests_.size() - 1;
            lock.unlock();
            index < replies_.size() ? answer(connection, replies_[index])
                                    : void(::close(connection));
        }
    }

    // A request ends with its zero byte; a client that sends none is given a second.
    static std::string readRequest(int connection) {
        std::string request;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        while (std::chrono::steady_clock::now() < deadline &&
               (request.empty() || request.back() != '\0')) {
            if (!readable(connection)) continue;
            char buffer[4096];
            const ssize_t received = ::recv(connection, buffer, sizeof buffer, 0);
            if (received <= 0) break;
            request.append(buffer, static_cast<std::size_t>(received));
        }
        return request;
    }

    void answer(int connection, const ScriptedReply& reply) {
        const int on = 1;
        ::setsockopt(connection, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        // A client that has gone, or the server's end, stops the rest of a slow answer.
        for (const std::string& segment : reply.segments) {
            if (stopping_ || ::send(connection, segment.data(), segment.size(), MSG_NOSIGNAL) < 0)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
        if (reply.ending == ScriptedReply::Ending::Reset) {
            const linger abortive{1, 0};
            ::setsockopt(connection, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
        }
        while (reply.ending == ScriptedReply::Ending::Hold && !stopping_)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ::close(connection);
    }

    std::vector<ScriptedReply> replies_;
    std::uint16_t port_ = 0;
    int listener_ = -1;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

// A loopback port where nothing listens while the object lives: connecting is refused.
class ClosedPort {
  public:
    ClosedPort() : descriptor_(LoopbackServer::boundSocket(port_)) {}
    ~ClosedPort() { ::close(descriptor_); }
    ClosedPort(const ClosedPort&) = delete;
    ClosedPort& operator=(const ClosedPort&) = delete;
    std::uint16_t port() const { return port_; }

  private:
    std::uint16_t port_ = 0;
    int descriptor_;
};

}  // namespace sockwright::testing
