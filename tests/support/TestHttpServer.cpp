#include "support/TestHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int ListenOnLoopback(int& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 8) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    port = ntohs(address.sin_port);
    return fd;
}

const char* Reason(int status) {
    return status == 200 ? "OK" : status == 404 ? "Not Found" : "Status";
}

} // namespace

TestHttpServer::TestHttpServer() : m_listener(ListenOnLoopback(m_port)), m_thread([this] { Serve(); }) {}

TestHttpServer::~TestHttpServer() {
    m_stop = true;
    m_thread.join();
    ::close(m_listener);
}

void TestHttpServer::Respond(int status, std::string body) {
    std::lock_guard lock(m_mutex);
    m_status = status;
    m_body = std::move(body);
}

std::string TestHttpServer::BaseUrl() const {
    return "http://127.0.0.1:" + std::to_string(m_port);
}

std::string TestHttpServer::LastPath() const {
    std::lock_guard lock(m_mutex);
    return m_lastPath;
}

int TestHttpServer::UnusedPort() {
    int port = 0;
    const int fd = ListenOnLoopback(port);
    ::close(fd);
    return port;
}

void TestHttpServer::Serve() {
    while (!m_stop) {
        pollfd waiting{m_listener, POLLIN, 0};
        if (::poll(&waiting, 1, 50) <= 0) {
            continue;
        }
        const int client = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client >= 0) {
            Answer(client);
            ::close(client);
        }
    }
}

void TestHttpServer::Answer(int client) {
    std::string request;
    char buffer[1024];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 16384) {
        pollfd readable{client, POLLIN, 0};
        if (::poll(&readable, 1, 2000) <= 0) {
            return;
        }
        const ssize_t got = ::read(client, buffer, sizeof buffer);
        if (got <= 0) {
            return;
        }
        request.append(buffer, static_cast<std::size_t>(got));
    }
    std::string response;
    {
        std::lock_guard lock(m_mutex);
        const auto pathStart = request.find(' ') + 1;
        m_lastPath = request.substr(pathStart, request.find(' ', pathStart) - pathStart);
        response =
            "HTTP/1.1 " + std::to_string(m_status) + " " + Reason(m_status) +
            "\r\nContent-Type: text/plain\r\nConnection: close\r\nContent-Length: " + std::to_string(m_body.size()) +
            "\r\n\r\n" + m_body;
    }
    ++m_requests;
    std::string_view rest = response;
    while (!rest.empty()) {
        const ssize_t sent = ::send(client, rest.data(), rest.size(), MSG_NOSIGNAL);
        if (sent <= 0) {
            return;
        }
        rest.remove_prefix(static_cast<std::size_t>(sent));
    }
}
