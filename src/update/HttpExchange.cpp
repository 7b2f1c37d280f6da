#include "update/HttpExchange.h"

#include <array>
#include <cstdio>

namespace sockwright {
namespace {

// The most read from the socket in one piece.
constexpr qint64 kChunkSize = 2048;

}  // namespace

HttpExchange::HttpExchange(const UpdateServer& server, QObject* parent)
    : QObject(parent), server_(server), socket_(this), idle_(this) {
    idle_.setSingleShot(true);
    connect(&idle_, &QTimer::timeout, this, [this] { end(false); });
    connect(&socket_, &QTcpSocket::connected, this, [this] {
        idle_.start(server_.idleTimeout);
        socket_.write(request_.data(), static_cast<qint64>(request_.size()));
    });
    connect(&socket_, &QTcpSocket::readyRead, this, &HttpExchange::receive);
    connect(&socket_, &QTcpSocket::errorOccurred, this, &HttpExchange::fail);
    connect(&socket_, &QTcpSocket::disconnected, this, [this] {
        receive();  // whatever arrived with the close
        end(true);
    });
}

void HttpExchange::start(const std::string& wireBytes, Receiver receiver) {
    request_ = wireBytes;
    receiver_ = std::move(receiver);
    running_ = true;
    // The time-out covers the name lookup and the connection too.
    idle_.start(server_.idleTimeout);
    socket_.connectToHost(server_.host, server_.port, QIODevice::ReadWrite,
                          QAbstractSocket::IPv4Protocol);
}

void HttpExchange::receive() {
    if (!running_) return;
    std::array<char, kChunkSize> chunk;
    while (running_ && socket_.bytesAvailable() > 0) {
        const qint64 read = socket_.read(chunk.data(), kChunkSize);
        if (read <= 0) break;
        idle_.start(server_.idleTimeout);
        if (!receiver_(std::string_view(chunk.data(), static_cast<std::size_t>(read)))) {
            end(true);
        }
    }
}

void HttpExchange::fail(QAbstractSocket::SocketError error) {
    if (!running_) return;
    // The server closing the connection is how every answer ends.
    if (error == QAbstractSocket::RemoteHostClosedError) return;
    if (error != QAbstractSocket::HostNotFoundError &&
        socket_.state() != QAbstractSocket::ConnectedState) {
        std::fprintf(stderr, "client: connect: %s\n", qPrintable(socket_.errorString()));
    }
    end(false);
}

void HttpExchange::cancel() {
    running_ = false;
    idle_.stop();
    socket_.abort();
}

void HttpExchange::end(bool received) {
    if (!running_) return;
    cancel();
    emit finished(received);
}

}  // namespace sockwright
