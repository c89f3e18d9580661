#include "core/ui/scx_list_ctrl.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <algorithm>

#include "core/ui/scx_list_model.h"

namespace scx {

int CScxListCtrl::sortColumn = 0;

CScxListCtrl::CScxListCtrl(QWidget* parent) : QTreeView(parent), model_(new CScxListModel(this)) {
    setModel(model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);  // lets the view skip measuring rows it does not draw
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    connect(header(), &QHeaderView::sectionClicked, this, &CScxListCtrl::OnHeaderClicked);
    connect(qApp, &QApplication::focusChanged, this, &CScxListCtrl::OnFocusChanged);
}

CScxListCtrl::~CScxListCtrl() {
    // The focus leaves while the base class is torn down: no report may reach this part by then.
    disconnect(qApp, nullptr, this, nullptr);
}

int CScxListCtrl::InsertColumn(int column, const QString& title, int width, Qt::Alignment alignment) {
    int at = model_->InsertColumn(column, title, alignment);
    setColumnWidth(at, width);
    return at;
}

void CScxListCtrl::SetRedraw(bool on) {
    if (viewport()->updatesEnabled() != on) viewport()->setUpdatesEnabled(on);
}

int CScxListCtrl::AddItem(const QString& text) { return InsertItem(GetItemCount(), text); }

int CScxListCtrl::InsertItem(int /*position*/, const QString& text) {
    model_->ready = false;
    SetRedraw(false);
    CScxListItem item;
    // Owners give every row a text for every column: room for all of them at once.
    const int columns = std::max(1, model_->columnCount());
    item.texts.reserve(columns);
    item.texts.append(text);
    model_->Rows().push_back(std::move(item));
    return static_cast<int>(model_->Rows().size()) - 1;
}

int CScxListCtrl::InsertItem(int position, std::string_view utf8Text) {
    return InsertItem(position, QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size())));
}

int CScxListCtrl::SetItemText(int row, int column, const QString& text) {
    auto& rows = model_->Rows();
    if (row < 0 || static_cast<size_t>(row) >= rows.size() || column < 0) return 1;
    CScxListItem& item = rows[row];
    if (item.texts.size() <= column) item.texts.resize(column + 1);
    item.texts[column] = text;
    if (column < item.images.size()) item.images[column] = -1;
    return 1;
}

int CScxListCtrl::SetItemText(int row, int column, std::string_view utf8Text) {
    return SetItemText(row, column, QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size())));
}

QString CScxListCtrl::GetItemText(int row, int column) const {
    const CScxListItem* item = GetRow(row);
    return item && column >= 0 && column < item->texts.size() ? item->texts[column] : QString();
}

void CScxListCtrl::EndUpdate() {
    model_->Publish();
    model_->ready = true;
    SetRedraw(true);
    RefreshShownRows();
}

void CScxListCtrl::RefreshShownRows() {
    // Only the rows on screen are redrawn: telling the view of every row would make it walk all
    // of them, which costs more than the sort itself on a long list.
    const QRect area = viewport()->rect();
    const QModelIndex top = indexAt(area.topLeft());
    if (!top.isValid()) {
        viewport()->update();
        return;
    }
    const QModelIndex bottom = indexAt(QPoint(0, area.bottom()));
    model_->RefreshRows(top.row(), bottom.isValid() ? bottom.row() : model_->rowCount() - 1);
    viewport()->update();
}

int CScxListCtrl::DeleteAllItems() {
    model_->ClearAll();
    sortAscending_.clear();
    return 1;
}

void CScxListCtrl::RemoveRow(int row) {
    auto& rows = model_->Rows();
    if (row < 0 || static_cast<size_t>(row) >= rows.size()) return;
    rows.erase(rows.begin() + row);
}

int CScxListCtrl::GetItemCount() const { return static_cast<int>(model_->Rows().size()); }

const CScxListItem* CScxListCtrl::GetRow(int row) const {
    const auto& rows = model_->Rows();
    return row >= 0 && static_cast<size_t>(row) < rows.size() ? &rows[row] : nullptr;
}

void CScxListCtrl::SetRowData(int row, int data) {
    if (row >= 0 && row < GetItemCount()) model_->Rows()[row].rowData = data;
}

int CScxListCtrl::GetRowData(int row) const {
    const CScxListItem* item = GetRow(row);
    return item ? item->rowData : -1;
}

void CScxListCtrl::OnHeaderClicked(int column) {
    if (model_->Rows().empty()) return;
    SetRedraw(false);
    SortByColumn(column);
    SetRedraw(true);
    viewport()->update();
}

void CScxListCtrl::SortByColumn(int column) {
    if (column < 0) return;
    sortColumn = column;
    if (static_cast<size_t>(column) < sortAscending_.size()) {
        sortAscending_[column] = !sortAscending_[column];
    } else {
        sortAscending_.resize(column + 1, 0);
        sortAscending_[column] = 1;
    }
    const bool ascending = sortAscending_[column] == 1;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Plain code-unit order of the texts: case counts, no locale, numbers read as text.
    auto textOf = [](const CScxListItem& item) -> const QString& {
        static const QString empty;
        return sortColumn < item.texts.size() ? item.texts[sortColumn] : empty;
    };
    // Sort (key, row) pairs held side by side, then move every row once into its place. The keys
    // are shared copies of the texts: no character is copied.
    auto& rows = model_->Rows();
    std::vector<std::pair<QString, uint32_t>> keys;
    keys.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) keys.emplace_back(textOf(rows[i]), static_cast<uint32_t>(i));
    auto less = [](const auto& a, const auto& b) { return QString::compare(a.first, b.first, Qt::CaseSensitive) < 0; };
    if (ascending)
        std::sort(keys.begin(), keys.end(), less);
    else
        std::sort(keys.begin(), keys.end(), [&less](const auto& a, const auto& b) { return less(b, a); });
    // Row keys[i].second belongs at i: follow each cycle of that permutation, moving rows in place.
    for (size_t start = 0; start < keys.size(); ++start) {
        if (keys[start].second == start) continue;
        CScxListItem held = std::move(rows[start]);
        size_t at = start;
        while (keys[at].second != start) {
            size_t from = keys[at].second;
            rows[at] = std::move(rows[from]);
            keys[at].second = static_cast<uint32_t>(at);
            at = from;
        }
        rows[at] = std::move(held);
        keys[at].second = static_cast<uint32_t>(at);
    }
    QApplication::restoreOverrideCursor();
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    RefreshShownRows();
}

int CScxListCtrl::SetCheck(int row, int mark) {
    model_->checkMode = true;
    if (row >= 0 && row < GetItemCount()) model_->Rows()[row].mark = mark;
    return 1;
}

int CScxListCtrl::GetCheck(int row) const {
    const CScxListItem* item = GetRow(row);
    return item ? item->mark : 0;
}

bool CScxListCtrl::IsCheckMode() const { return model_->checkMode; }

void CScxListCtrl::ToggleCheck(int row) {
    if (row < 0 || row >= GetItemCount()) return;
    auto& item = model_->Rows()[row];
    item.mark = item.mark ? 0 : 1;
    model_->RefreshRows(row, row);
}

bool CScxListCtrl::IsOnCheckBox(const QModelIndex& index, QPoint point) {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    option.checkState = GetCheck(index.row()) ? Qt::Checked : Qt::Unchecked;
    option.index = index;
    QRect box = style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
    return box.contains(point);
}

void CScxListCtrl::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    const QModelIndex index = indexAt(point);
    // The click is the list's own business: the parent's click handlers never hear of it.
    blockSignals(true);
    QTreeView::mouseReleaseEvent(event);
    blockSignals(false);
    if (index.isValid() && index.column() == 0 && IsCheckMode() && event->button() == Qt::LeftButton &&
        IsOnCheckBox(index, point))
        ToggleCheck(index.row());
}

void CScxListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (doubleClickFunction) doubleClickFunction(*this, event->modifiers(), event->position().toPoint());
    event->accept();
}

void CScxListCtrl::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && IsCheckMode()) {
        QModelIndex mark = currentIndex();  // the selection mark
        if (mark.isValid()) ToggleCheck(mark.row());
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void CScxListCtrl::OnFocusChanged(QWidget* old, QWidget* now) {
    // An in-place editor (a child of the list) taking or giving back the focus does not count.
    if (now == this && !(old && isAncestorOf(old))) {
        focusFlag_ = true;
        viewport()->update();
    } else if (old == this && !(now && isAncestorOf(now))) {
        focusFlag_ = false;
        viewport()->update();
    }
}

int SelectListItem(int index, CScxListCtrl& list, bool select) {
    QItemSelectionModel* selection = list.selectionModel();
    QAbstractItemModel* model = list.model();
    const int rows = model->rowCount();
    const auto flags = QItemSelectionModel::Rows;
    if (select) {
        if (index == -1) {
            if (rows == 0) return 1;
            list.selectAll();
            selection->setCurrentIndex(model->index(rows - 1, 0), QItemSelectionModel::NoUpdate);
            list.scrollTo(model->index(rows - 1, 0));
        } else if (index >= 0 && index < rows) {
            QModelIndex target = model->index(index, 0);
            selection->setCurrentIndex(target, QItemSelectionModel::Select | flags);
            list.scrollTo(target);
        }
    } else if (index == -1) {
        selection->clearSelection();
    } else if (index >= 0 && index < rows) {
        selection->select(model->index(index, 0), QItemSelectionModel::Deselect | flags);
    }
    return 1;
}

}  // namespace scx
