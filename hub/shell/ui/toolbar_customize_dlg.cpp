#include "hub/shell/ui/toolbar_customize_dlg.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/text_util.h"
#include "hub/shell/ui/look_style.h"
#include "hub/shell/ui/ok_cancel_row.h"
#include "platform/registry/user_registry.h"

namespace scx {

CToolbarCustomizeDlg::CToolbarCustomizeDlg(const QList<QAction*>& candidates, const std::vector<int>& shown,
                                           const std::vector<int>& defaults, QWidget* parent)
    : QDialog(parent), list_(new QListWidget) {
    setWindowTitle("사용자 지정");
    list_->setObjectName("commands");
    for (QAction* action : candidates) {
        auto* item = new QListWidgetItem(action->icon(), action->text().remove('&'), list_);
        item->setData(Qt::UserRole, action->data());
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    }
    Check(shown);
    auto* reset = new QPushButton("원래대로");
    reset->setObjectName("reset");
    connect(reset, &QPushButton::clicked, this, [this, defaults] { Check(defaults); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("도구 모음 \"표준\"에 표시할 명령:"));
    layout->addWidget(list_);
    QHBoxLayout* buttons = MakeOkCancelRow(*this);
    buttons->insertWidget(0, reset);
    layout->addLayout(buttons);
}

void CToolbarCustomizeDlg::Check(const std::vector<int>& ids) {
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* item = list_->item(i);
        const bool on = std::find(ids.begin(), ids.end(), item->data(Qt::UserRole).toInt()) != ids.end();
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
}

std::vector<int> CToolbarCustomizeDlg::Chosen() const {
    std::vector<int> ids;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->checkState() == Qt::Checked) ids.push_back(list_->item(i)->data(Qt::UserRole).toInt());
    return ids;
}

std::vector<int> ReadToolbarButtons(const std::vector<int>& candidates, const std::vector<int>& defaults) {
    std::string text;
    if (!RegReadString(kHubSettingsKey, "ToolbarButtons", text)) return defaults;
    if (text.empty()) return {};  // every button taken off
    std::vector<int> ids;
    for (const std::string& field : SplitFields(text, ",")) {
        long long id = ParseDigits(field);
        if (std::find(candidates.begin(), candidates.end(), id) != candidates.end()) ids.push_back(static_cast<int>(id));
    }
    return ids.empty() ? defaults : ids;
}

void WriteToolbarButtons(const std::vector<int>& ids) {
    std::string text;
    for (int id : ids) text += (text.empty() ? "" : ",") + std::to_string(id);
    RegCreateKey(kHubSettingsKey);
    RegWriteString(kHubSettingsKey, "ToolbarButtons", text, 1);
}

}  // namespace scx
