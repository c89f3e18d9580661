#include "platform/target/file_hash.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <unistd.h>

#include <memory>

#include "platform/target/file_facts.h"

namespace scx::target {
namespace {

struct DigestDeleter {
    void operator()(EVP_MD_CTX* ctx) const { EVP_MD_CTX_free(ctx); }
};

}  // namespace

std::string Sha1OfHostFile(const std::string& hostPath) {
    int fd = open(hostPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return {};
    std::unique_ptr<EVP_MD_CTX, DigestDeleter> ctx(EVP_MD_CTX_new());
    bool ok = ctx && EVP_DigestInit_ex(ctx.get(), EVP_sha1(), nullptr) == 1;
    std::uint64_t total = 0;
    unsigned char block[8192];
    while (ok) {
        ssize_t n = read(fd, block, sizeof block);
        if (n == 0) break;
        if (n < 0) {
            ok = false;
            break;
        }
        total += static_cast<std::uint64_t>(n);
        ok = EVP_DigestUpdate(ctx.get(), block, static_cast<size_t>(n)) == 1;
    }
    close(fd);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!ok || total == 0 || EVP_DigestFinal_ex(ctx.get(), digest, &length) != 1) return {};
    static const char kHex[] = "0123456789abcdef";
    std::string text;
    for (unsigned int i = 0; i < length; ++i) {
        text += kHex[digest[i] >> 4];
        text += kHex[digest[i] & 0xF];
    }
    return text;
}

std::string FileSha1Text(const Target& target, std::string_view windowsPath) {
    auto path = target.HostPath(windowsPath);
    if (!path) return {};
    auto facts = HostFileFacts(*path);
    if (!facts || !(facts->attributes & (kAttrArchive | kAttrNormal)) || (facts->attributes & kAttrDirectory) ||
        facts->size > kHashSizeLimit)
        return {};
    return Sha1OfHostFile(*path);
}

}  // namespace scx::target
