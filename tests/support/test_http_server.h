#pragma once
// The test HTTP server (scx_test_server.py) as a test fixture: a real server process on a free
// loopback port, started by the constructor and stopped by the destructor. It serves the checklist
// database files and the notice feed from a temporary folder of its own, and fails on demand.

#include <string>
#include <string_view>
#include <vector>

namespace scx::test {

class TestHttpServer {
public:
    TestHttpServer();  // throws std::runtime_error when the server does not come up
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    int Port() const { return port_; }
    // "127.0.0.1:PORT", as ScxSetting.ini or --host name it.
    std::string HostPort() const;

    // The bytes served for a database file name.
    void ServeFile(std::string_view name, std::string_view bytes);
    // The five sample database files (data/sampledb), built with their own classes.
    void ServeSampleDatabase();
    // The feed served at /rss/post/list.
    void ServeFeed(std::string_view xml);
    // The failure rules (see the script), as JSON: {"filter.dat": {"status": 500}}.
    void SetControl(std::string_view json);
    // One "PATH<TAB>USER-AGENT" per request so far.
    std::vector<std::string> Requests() const;

private:
    std::string root_;
    int pid_ = -1;
    int port_ = 0;
};

// A loopback port nothing listens on: connections to it are refused at once.
int ClosedLoopbackPort();

// The sample database file of that name as its class writes it.
std::string SampleDatabaseFile(std::string_view name);

}  // namespace scx::test
