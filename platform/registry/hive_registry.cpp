#include "platform/registry/hive_registry.h"

#include <hivex.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/text_util.h"

namespace scx::reg {
namespace {

struct HiveCloser {
    void operator()(hive_h* h) const { hivex_close(h); }
};
using HivePtr = std::unique_ptr<hive_h, HiveCloser>;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

std::string NodeName(hive_h* h, hive_node_h node) {
    std::unique_ptr<char, FreeDeleter> name(hivex_node_name(h, node));
    return name ? std::string(name.get()) : std::string();
}

class HiveKey : public RegKey {
public:
    // `controlSet` is set on the SYSTEM hive's root: the node CurrentControlSet stands for.
    HiveKey(hive_h* h, hive_node_h node, hive_node_h controlSet = 0) : h_(h), node_(node), controlSet_(controlSet) {}

    std::vector<std::string> SubKeyNames() const override {
        std::vector<std::string> names;
        std::unique_ptr<hive_node_h, FreeDeleter> children(hivex_node_children(h_, node_));
        if (!children) return names;
        for (hive_node_h* c = children.get(); *c; ++c) names.push_back(NodeName(h_, *c));
        if (controlSet_) names.push_back("CurrentControlSet");
        return names;
    }
    std::size_t SubKeyCount() const override {
        errno = 0;
        std::size_t n = hivex_node_nr_children(h_, node_);
        return (errno ? 0 : n) + (controlSet_ ? 1 : 0);
    }
    std::optional<RegValue> Value(std::string_view name) const override {
        std::string key(name);
        hive_value_h value = hivex_node_get_value(h_, node_, key.c_str());
        if (!value) return std::nullopt;
        hive_type type;
        size_t length = 0;
        std::unique_ptr<char, FreeDeleter> data(hivex_value_value(h_, value, &type, &length));
        if (!data) return std::nullopt;
        return RegValue{key, static_cast<std::uint32_t>(type), std::string(data.get(), length)};
    }
    std::unique_ptr<RegKey> OpenChild(std::string_view name) const override {
        if (name.empty()) return std::make_unique<HiveKey>(h_, node_, controlSet_);
        if (controlSet_ && IsSameText(name, "CurrentControlSet", true))
            return std::make_unique<HiveKey>(h_, controlSet_);
        std::string child(name);
        hive_node_h node = hivex_node_get_child(h_, node_, child.c_str());
        if (!node) return nullptr;
        return std::make_unique<HiveKey>(h_, node);
    }

private:
    hive_h* h_;
    hive_node_h node_;
    hive_node_h controlSet_;
};

// HKEY_LOCAL_MACHINE: a key of its own whose sub-keys are the machine hives.
class MachineRoot : public RegKey {
public:
    MachineRoot(hive_h* software, hive_h* system, hive_node_h controlSet)
        : software_(software), system_(system), controlSet_(controlSet) {}

    std::vector<std::string> SubKeyNames() const override {
        std::vector<std::string> names;
        if (software_) names.push_back("SOFTWARE");
        if (system_) names.push_back("SYSTEM");
        return names;
    }
    std::size_t SubKeyCount() const override { return SubKeyNames().size(); }
    std::optional<RegValue> Value(std::string_view) const override { return std::nullopt; }
    std::unique_ptr<RegKey> OpenChild(std::string_view name) const override {
        if (name.empty()) return std::make_unique<MachineRoot>(software_, system_, controlSet_);
        if (software_ && IsSameText(name, "SOFTWARE", true))
            return std::make_unique<HiveKey>(software_, hivex_root(software_));
        if (system_ && IsSameText(name, "SYSTEM", true))
            return std::make_unique<HiveKey>(system_, hivex_root(system_), controlSet_);
        return nullptr;
    }

private:
    hive_h* software_;
    hive_h* system_;
    hive_node_h controlSet_;
};

class HiveRegistry : public Registry {
public:
    HiveRegistry(HivePtr software, HivePtr system, HivePtr user)
        : software_(std::move(software)), system_(std::move(system)), user_(std::move(user)) {
        if (system_) controlSet_ = CurrentControlSet(system_.get());
    }

    std::unique_ptr<RegKey> Root(RegRoot root) const override {
        if (root == RegRoot::CurrentUser) {
            if (!user_) return nullptr;
            return std::make_unique<HiveKey>(user_.get(), hivex_root(user_.get()));
        }
        if (!software_ && !system_) return nullptr;
        return std::make_unique<MachineRoot>(software_.get(), system_.get(), controlSet_);
    }

private:
    // SYSTEM\Select\Current names the control set in use ("ControlSet%03d").
    static hive_node_h CurrentControlSet(hive_h* h) {
        HiveKey root(h, hivex_root(h));
        auto select = root.OpenChild("Select");
        std::optional<RegValue> current = select ? select->Value("Current") : std::nullopt;
        std::optional<std::uint32_t> number = current ? ValueDword(*current) : std::nullopt;
        std::string name = Format("ControlSet%03u", number.value_or(1));
        return hivex_node_get_child(h, hivex_root(h), name.c_str());
    }

    HivePtr software_, system_, user_;
    hive_node_h controlSet_ = 0;
};

HivePtr OpenHive(const std::string& path, std::string* error) {
    hive_h* h = hivex_open(path.c_str(), 0);
    if (!h && error) *error = path + ": not a readable registry hive (" + std::strerror(errno) + ")";
    return HivePtr(h);
}

}  // namespace

std::unique_ptr<Registry> OpenHiveRegistry(const HiveFiles& files, std::string* error) {
    HivePtr software, system, user;
    if (!files.software.empty() && !(software = OpenHive(files.software, error))) return nullptr;
    if (!files.system.empty() && !(system = OpenHive(files.system, error))) return nullptr;
    if (!files.user.empty() && !(user = OpenHive(files.user, error))) return nullptr;
    return std::make_unique<HiveRegistry>(std::move(software), std::move(system), std::move(user));
}

}  // namespace scx::reg
