#pragma once
// The Windows product name ("Windows 7(Ent)"), exactly as the checklist database spells it: a
// base name from the version, then a suffix from product type, suite, processor and edition.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "core/prompter.h"
#include "platform/registry/registry.h"

namespace scx {

enum PlatformKind { kPlatformWin32s = 0, kPlatformWin9x = 1, kPlatformNt = 2 };
enum ProductType { kProductWorkstation = 1, kProductDomainController = 2, kProductServer = 3 };
enum SuiteMask : unsigned {
    kSuiteEnterprise = 0x0002,
    kSuiteDatacenter = 0x0080,
    kSuitePersonal = 0x0200,
    kSuiteBlade = 0x0400,
};
enum ProcessorArchitecture { kArchIntel = 0, kArchIa64 = 6, kArchAmd64 = 9 };

// What the system reports about its version.
struct VersionFacts {
    int platformKind = kPlatformNt;
    int major = 0;
    int minor = 0;
    // The running system's own version numbers (the workstation query); they replace major and
    // minor when known, since the ordinary query may report an older version.
    std::optional<std::pair<int, int>> workstationVersion;
    // Extended information: product type and suite mask are known. Without it the name takes its
    // suffix from `productOptions`.
    bool extended = true;
    int productType = kProductWorkstation;
    unsigned suiteMask = 0;
    std::string servicePackText;  // Windows 9x: its second character marks the release
    int processorArchitecture = kArchIntel;
    // Product-info type (1 Ultimate ... 48 Professional); none when the query is missing or fails.
    std::optional<std::uint32_t> productInfoType;
    // The ProductType text of ...\Control\ProductOptions; none when it cannot be read.
    std::optional<std::string> productOptions;
};

// The name; the empty text without facts. An unknown version shows "major-minor-type" through
// the prompter and gets an empty base name.
std::string GetWindowsProductName(const std::optional<VersionFacts>& facts, Prompter& prompter);

// The facts as the PC would report them, from its registry: version from
// CurrentVersion (CurrentMajorVersionNumber/CurrentMinorVersionNumber as the running version),
// product type and suite from ProductOptions, service pack from CSDVersion, processor from the
// system environment, product-info type from EditionID; Windows 9x from VersionNumber and
// SubVersionNumber. None when the registry holds no Windows version.
std::optional<VersionFacts> ReadVersionFacts(const reg::Registry* registry);

// Product-info type of an edition name (EditionID); none for an unknown edition.
std::optional<std::uint32_t> ProductInfoTypeOfEdition(std::string_view editionId);

}  // namespace scx
