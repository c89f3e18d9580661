#include "hub/shell/ui/in_place_edit.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include "core/prompter.h"
#include "core/ui/scx_list_ctrl.h"
#include "hub/shell/ui/hub_services.h"

namespace scx {

CInPlaceEdit::CInPlaceEdit(CScxListCtrl& list, int designatedColumn, CommitStep commit)
    : QLineEdit(list.viewport()), list_(list), designatedColumn_(designatedColumn), commit_(std::move(commit)) {
    setFont(list.font());
    setFrame(true);
    hide();
}

void CInPlaceEdit::StartEditing(int row, int column, const QString& text, bool digitsOnly) {
    row_ = row;
    column_ = column;
    setGeometry(list_.visualRect(list_.model()->index(row, column)));
    setAlignment(Qt::AlignCenter);
    setValidator(digitsOnly ? new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this) : nullptr);
    setText(text);
    show();
    setFocus();
    selectAll();
}

void CInPlaceEdit::StopEditing() {
    hide();
    row_ = column_ = -1;
}

bool CInPlaceEdit::Commit() {
    std::string message;
    committing_ = true;  // a message box takes the focus: that is no focus loss of ours
    bool accepted = commit_(row_, column_, text(), message);
    if (!accepted) HubPrompter().ShowMessage(message);
    committing_ = false;
    if (accepted) {
        StopEditing();
        list_.setFocus();
    } else {
        setFocus();
        selectAll();
    }
    return accepted;
}

void CInPlaceEdit::MoveTo(int row) {
    const int column = column_;
    const int from = row_;
    if (!Commit()) {
        list_.clearSelection();
        SelectListItem(from, list_, true);
        setFocus();
        return;
    }
    list_.clearSelection();
    SelectListItem(row, list_, true);
    StartEditing(row, column, list_.GetItemText(row, column), true);
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Commit();
            return;
        case Qt::Key_Escape:
            StopEditing();
            list_.setFocus();
            return;
        case Qt::Key_Up:
            if (column_ == designatedColumn_ && row_ > 0) return MoveTo(row_ - 1);
            break;
        case Qt::Key_Down:
            if (column_ == designatedColumn_ && row_ + 1 < list_.GetItemCount()) return MoveTo(row_ + 1);
            break;
    }
    QLineEdit::keyPressEvent(event);
}

void CInPlaceEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (isVisible() && !committing_) OnFocusLost();
}

}  // namespace scx
