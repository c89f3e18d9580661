#include "tests/support/test_http_server.h"

#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "core/db/db_source.h"
#include "core/record_kinds.h"
#include "platform/file.h"
#include "tests/support/temp_home.h"

extern char** environ;

namespace scx::test {

TestHttpServer::TestHttpServer() {
    std::string pattern = (std::filesystem::temp_directory_path() / "scx-http-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    root_ = pattern + "/";
    std::filesystem::create_directory(root_ + "files");
    const std::string portFile = root_ + "port";
    std::vector<std::string> args = {SCX_PYTHON3, SCX_TEST_SERVER_SCRIPT, "--root", root_,
                                     "--port-file", portFile, "--log", root_ + "requests.log"};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot start " + args[1]);
    pid_ = pid;
    for (int i = 0; i < 300 && port_ == 0; ++i) {
        std::ifstream in(portFile);
        if (!(in >> port_)) {
            port_ = 0;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    if (port_ == 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        throw std::runtime_error("the test HTTP server did not start");
    }
}

TestHttpServer::~TestHttpServer() {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
}

std::string TestHttpServer::HostPort() const { return "127.0.0.1:" + std::to_string(port_); }

void TestHttpServer::ServeFile(std::string_view name, std::string_view bytes) {
    platform::WriteFileAtomically(root_ + "files/" + std::string(name), bytes);
}

void TestHttpServer::ServeSampleDatabase() {
    for (const char* name : {"windowchecklist.dat", "fontchecklist.dat", "userchecklist.dat",
                             "package.dat", "filter.dat"})
        ServeFile(name, SampleDatabaseFile(name));
}

void TestHttpServer::ServeFeed(std::string_view xml) {
    platform::WriteFileAtomically(root_ + "feed.xml", xml);
}

void TestHttpServer::SetControl(std::string_view json) {
    platform::WriteFileAtomically(root_ + "control.json", json);
}

std::vector<std::string> TestHttpServer::Requests() const {
    std::vector<std::string> lines;
    std::ifstream in(root_ + "requests.log");
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

int ClosedLoopbackPort() {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);  // bound but never listening: the port is free and refuses connections
    return ntohs(address.sin_port);
}

std::string SampleDatabaseFile(std::string_view name) {
    std::string file(name);
    std::string source = std::string(SCX_SAMPLE_DB_DIR) + "/" + file.substr(0, file.rfind('.')) + ".tsv";
    auto text = platform::ReadFileBytes(source);
    if (!text) throw std::runtime_error("cannot read " + source);
    CFileRecordView view(*RecordKindOfFile(file));
    std::string error;
    if (!ReadDatabaseSource(*text, view, error)) throw std::runtime_error(source + ": " + error);
    return view.BuildFileBytes();
}

}  // namespace scx::test
