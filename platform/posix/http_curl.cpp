// HTTP through libcurl.

#include <curl/curl.h>

#include <cstdio>
#include <mutex>

#include "platform/file.h"
#include "platform/http.h"

namespace scx::platform {
namespace {

void GlobalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Sink {
    std::FILE* file = nullptr;
    std::string* text = nullptr;
    std::uint64_t received = 0;
    std::uint64_t maxBytes = 0;
};

size_t Write(char* data, size_t size, size_t count, void* user) {
    auto* sink = static_cast<Sink*>(user);
    size_t n = size * count;
    sink->received += n;
    if (sink->received > sink->maxBytes) return 0;  // ends the transfer with a write error
    if (sink->file) return std::fwrite(data, 1, n, sink->file);
    sink->text->append(data, n);
    return n;
}

int Progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* flag = static_cast<const std::atomic<int>*>(user);
    return flag && flag->load() == 0 ? 1 : 0;
}

HttpResult Perform(const HttpRequest& request, Sink& sink) {
    GlobalInit();
    HttpResult result;
    CURL* curl = curl_easy_init();
    if (!curl) {
        result.error = "cannot start a transfer";
        return result;
    }
    char errorText[CURL_ERROR_SIZE] = {};
    curl_slist* headers = nullptr;
    for (const auto& h : request.headers) headers = curl_slist_append(headers, h.c_str());
    curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
    if (!request.userAgent.empty()) curl_easy_setopt(curl, CURLOPT_USERAGENT, request.userAgent.c_str());
    if (headers) curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(request.connectTimeoutMs));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, static_cast<long>(request.stallTimeoutS));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Write);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
    if (request.runFlag) {
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, Progress);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, request.runFlag);
    }
    CURLcode code = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result.status);
    if (code != CURLE_OK) {
        result.errorCode = static_cast<int>(code);
        result.error = errorText[0] ? errorText : curl_easy_strerror(code);
        if (sink.received > sink.maxBytes) result.error = "the answer is too large";
    } else if (result.status < 200 || result.status > 299) {
        result.error = "HTTP status " + std::to_string(result.status);
    } else {
        result.ok = true;
    }
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    return result;
}

}  // namespace

HttpResult HttpGetToFile(const HttpRequest& request, const std::string& path) {
    Sink sink;
    sink.maxBytes = request.maxBytes;
    sink.file = std::fopen(path.c_str(), "wb");
    if (!sink.file) {
        HttpResult result;
        result.error = "cannot write " + path + ": " + LastErrorText();
        return result;
    }
    HttpResult result = Perform(request, sink);
    bool closed = std::fflush(sink.file) == 0 && std::fclose(sink.file) == 0;
    if (result.ok && !closed) {
        result.ok = false;
        result.error = "cannot write " + path;
    }
    if (!result.ok) std::remove(path.c_str());
    return result;
}

HttpResult HttpGetText(const HttpRequest& request, std::string& body) {
    Sink sink;
    sink.maxBytes = request.maxBytes;
    sink.text = &body;
    return Perform(request, sink);
}

bool CanConnect(const std::string& host, int port, int timeoutMs) {
    GlobalInit();
    CURL* curl = curl_easy_init();
    if (!curl) return false;
    std::string name = host.find(':') != std::string::npos ? "[" + host + "]" : host;
    std::string url = "http://" + name + ":" + std::to_string(port) + "/";
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_CONNECT_ONLY, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeoutMs));
    bool ok = curl_easy_perform(curl) == CURLE_OK;
    curl_easy_cleanup(curl);
    return ok;
}

}  // namespace scx::platform
