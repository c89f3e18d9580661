#pragma once
// A registry held in memory: a tree of keys with their values, sub-keys in stored order. Wine's
// registry files load into it, and the system's own per-user registry lives in one.

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/registry/registry.h"

namespace scx::reg {

class RegTreeKey {
public:
    explicit RegTreeKey(std::string name) : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }
    const std::vector<std::unique_ptr<RegTreeKey>>& SubKeys() const { return subKeys_; }
    const std::vector<RegValue>& Values() const { return values_; }

    RegTreeKey* FindChild(std::string_view name) const;
    // The child of that name, made (as the last sub-key) when missing.
    RegTreeKey* AddChild(std::string_view name);
    const RegValue* FindValue(std::string_view name) const;
    // Replaces the value of the same name, or adds it after the others.
    void SetValue(RegValue value);

    // A symbolic link key (Wine's "#link"): its value SymbolicLinkValue names the target.
    bool isLink = false;

private:
    std::string name_;
    std::vector<std::unique_ptr<RegTreeKey>> subKeys_;
    std::unordered_map<std::string, size_t> childIndex_;  // folded name -> position
    std::vector<RegValue> values_;
};

// A Registry over in-memory trees: one for HKEY_LOCAL_MACHINE, one for HKEY_CURRENT_USER (either
// may be missing). Link keys are followed to their target ("\Registry\Machine\..." or
// "\Registry\User\<sid>\...").
class TreeRegistry : public Registry {
public:
    TreeRegistry(std::unique_ptr<RegTreeKey> machine, std::unique_ptr<RegTreeKey> user);
    std::unique_ptr<RegKey> Root(RegRoot root) const override;

    // Where a link key points; null when the target is missing or the links go round.
    const RegTreeKey* ResolveLink(const RegTreeKey* link, int depth = 0) const;

private:
    std::unique_ptr<RegTreeKey> machine_;
    std::unique_ptr<RegTreeKey> user_;
};

}  // namespace scx::reg
