#pragma once
// The form of an IPT document: the "사용자 정보" button over the group "점검목록" with the list,
// the list's popup menu, and what dropping rows on the list adds.

#include <QMimeData>
#include <QWidget>
#include <vector>

namespace scx {

class CIptDoc;
class CIptListCtrl;
class CMainFrame;

class CIptView : public QWidget {
    Q_OBJECT
public:
    CIptView(CIptDoc& doc, CMainFrame& frame, QWidget* parent = nullptr);

    CIptDoc& Document() { return doc_; }
    CIptListCtrl& List() { return *list_; }

    // Empties the list and lists the shown rows again; then selects those #SWLIST rows.
    void Refill(const std::vector<int>& selectSwRows = {});

    void OnEditUserInfo();   // 사용자 정보
    void OnSearch();         // 추가 > 검색하기
    void OnDirectInput();    // 추가 > 직접입력
    void OnDelete();         // 삭제
    // A drop of "IPT" or "CHECK" data on the list.
    void OnDrop(const QMimeData& data);
    // What dragging the selected rows out carries ("IPT"), or none without a selection.
    QMimeData* DragData();

private:
    void ShowPopup(const QPoint& at);

    CIptDoc& doc_;
    CMainFrame& frame_;
    CIptListCtrl* list_;
};

}  // namespace scx
