#include "platform/registry/reg_tree.h"

#include "core/text_util.h"

namespace scx::reg {

RegTreeKey* RegTreeKey::FindChild(std::string_view name) const {
    auto it = childIndex_.find(LowerCase(name));
    return it == childIndex_.end() ? nullptr : subKeys_[it->second].get();
}

RegTreeKey* RegTreeKey::AddChild(std::string_view name) {
    std::string folded = LowerCase(name);
    auto it = childIndex_.find(folded);
    if (it != childIndex_.end()) return subKeys_[it->second].get();
    childIndex_.emplace(std::move(folded), subKeys_.size());
    subKeys_.push_back(std::make_unique<RegTreeKey>(std::string(name)));
    return subKeys_.back().get();
}

const RegValue* RegTreeKey::FindValue(std::string_view name) const {
    for (const auto& value : values_)
        if (IsSameText(value.name, name, true)) return &value;
    return nullptr;
}

void RegTreeKey::SetValue(RegValue value) {
    for (auto& existing : values_) {
        if (IsSameText(existing.name, value.name, true)) {
            existing = std::move(value);
            return;
        }
    }
    values_.push_back(std::move(value));
}

namespace {

class TreeKeyHandle : public RegKey {
public:
    TreeKeyHandle(const TreeRegistry& registry, const RegTreeKey& key) : registry_(registry), key_(key) {}

    std::vector<std::string> SubKeyNames() const override {
        std::vector<std::string> names;
        names.reserve(key_.SubKeys().size());
        for (const auto& sub : key_.SubKeys()) names.push_back(sub->Name());
        return names;
    }
    std::size_t SubKeyCount() const override { return key_.SubKeys().size(); }
    std::optional<RegValue> Value(std::string_view name) const override {
        const RegValue* value = key_.FindValue(name);
        if (!value) return std::nullopt;
        return *value;
    }
    std::unique_ptr<RegKey> OpenChild(std::string_view name) const override {
        if (name.empty()) return std::make_unique<TreeKeyHandle>(registry_, key_);
        const RegTreeKey* child = key_.FindChild(name);
        if (child && child->isLink) child = registry_.ResolveLink(child);
        if (!child) return nullptr;
        return std::make_unique<TreeKeyHandle>(registry_, *child);
    }

private:
    const TreeRegistry& registry_;
    const RegTreeKey& key_;
};

}  // namespace

TreeRegistry::TreeRegistry(std::unique_ptr<RegTreeKey> machine, std::unique_ptr<RegTreeKey> user)
    : machine_(std::move(machine)), user_(std::move(user)) {}

std::unique_ptr<RegKey> TreeRegistry::Root(RegRoot root) const {
    const RegTreeKey* key = root == RegRoot::LocalMachine ? machine_.get() : user_.get();
    if (!key) return nullptr;
    return std::make_unique<TreeKeyHandle>(*this, *key);
}

const RegTreeKey* TreeRegistry::ResolveLink(const RegTreeKey* link, int depth) const {
    if (depth > 8) return nullptr;
    const RegValue* target = link->FindValue("SymbolicLinkValue");
    if (!target || target->type != kRegLink) return nullptr;
    std::string targetPath = Utf8FromUtf16(target->data);
    auto parts = SplitKeyPath(targetPath);
    // \Registry\Machine\... or \Registry\User\<sid>\...
    if (parts.size() < 2 || !IsSameText(parts[0], "Registry", true)) return nullptr;
    const RegTreeKey* key = nullptr;
    size_t first = 2;
    if (IsSameText(parts[1], "Machine", true)) {
        key = machine_.get();
    } else if (IsSameText(parts[1], "User", true)) {
        key = user_.get();
        first = 3;
    }
    for (size_t i = first; key && i < parts.size(); ++i) {
        key = key->FindChild(parts[i]);
        if (key && key->isLink) key = ResolveLink(key, depth + 1);
    }
    return key;
}

}  // namespace scx::reg
