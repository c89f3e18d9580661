#pragma once
// Package folding's edition choice through the selection window, modal to `parent`.

#include "agent/scan/package_folding.h"
#include "agent/ui/select_package_dlg.h"

namespace scx {

class SelectPackageChooser : public scan::EditionChooser {
public:
    SelectPackageChooser(Prompter& prompter, QWidget* parent) : prompter_(prompter), parent_(parent) {}
    std::optional<std::vector<int>> Choose(const std::vector<std::string>& candidates) override {
        CSelectPackageDlg dialog(candidates, prompter_, parent_);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.Chosen();
    }

private:
    Prompter& prompter_;
    QWidget* parent_;
};

}  // namespace scx
