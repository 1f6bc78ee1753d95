#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

// A tiny HTTP server on 127.0.0.1 for tests: answers every GET with the
// response set last, on a port of its own, until destroyed.
class TestHttpServer {
public:
    TestHttpServer();
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    void Respond(int status, std::string body);
    std::string BaseUrl() const;
    int Requests() const { return m_requests; }
    std::string LastPath() const;

    // A port on which nothing listens, for refused connections.
    static int UnusedPort();

private:
    void Serve();
    void Answer(int client);

    int m_port = 0; // set while the listener is created, so declared first
    int m_listener = -1;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_requests{0};
    mutable std::mutex m_mutex;
    int m_status = 200;
    std::string m_body;
    std::string m_lastPath;
    std::thread m_thread;
};
