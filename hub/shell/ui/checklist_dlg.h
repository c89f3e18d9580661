#pragma once
// "SW 찾기": the modeless search of the checklist database (single programs, packages, Windows);
// its results are dragged onto an IPT list as "CHECK".

#include <QDialog>

#include "hub/shell/checklist_search.h"

class QComboBox;
class QLineEdit;
class QMimeData;

namespace scx {

class CDragSourceList;

class CChecklistDlg : public QDialog {
    Q_OBJECT
public:
    explicit CChecklistDlg(QWidget* parent = nullptr);

    CDragSourceList& ResultList() { return *results_; }
    // What dragging the selected results carries, or none without a selection.
    QMimeData* DragData();

public slots:
    void OnSearch();

private:
    QComboBox* type_;
    QLineEdit* company_;
    QLineEdit* program_;
    CDragSourceList* results_;
    ProductType listedType_ = ProductType::Single;
};

}  // namespace scx
