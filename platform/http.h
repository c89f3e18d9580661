#pragma once
// Plain HTTP requests to the system's two outside servers (the checklist database server and the
// notice-feed server), and the connection test made before talking to them.

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace scx::platform {

struct HttpRequest {
    std::string url;
    std::string userAgent;
    std::vector<std::string> headers;  // "Name: value"
    int connectTimeoutMs = 10000;
    // The transfer is abandoned when no byte arrives for this long.
    int stallTimeoutS = 30;
    // The body may not be larger than this; a larger one fails the request.
    std::uint64_t maxBytes = 256u << 20;
    // When set, the transfer stops as soon as the flag reads 0.
    const std::atomic<int>* runFlag = nullptr;
};

struct HttpResult {
    bool ok = false;
    long status = 0;    // the HTTP status, 0 when no answer came
    int errorCode = 0;  // the transfer library's error number; 0 for an HTTP error status
    std::string error;  // what went wrong, for traces and messages
};

// GET into a file. Only a complete answer with a 2xx status succeeds; on failure the file is
// removed, so a partial body never stays behind.
HttpResult HttpGetToFile(const HttpRequest& request, const std::string& path);

// GET into memory; `body` holds what arrived (also on an error status).
HttpResult HttpGetText(const HttpRequest& request, std::string& body);

// True when a TCP connection to host:port opens within the timeout. The system asks this before it
// talks to a server: the machine is "online" for it when that server can be reached.
bool CanConnect(const std::string& host, int port, int timeoutMs);

}  // namespace scx::platform
