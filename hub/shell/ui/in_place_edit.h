#pragma once
// The common part of the two in-place cell editors of a list: a single-line box over one cell,
// created hidden as a child of the list. The list supplies its designated (numeric) column and a
// commit step that accepts a cell's new text or refuses it with a message. Enter commits, Esc
// hides, Up/Down in the designated column commit and move to the row above/below.

#include <QLineEdit>
#include <functional>
#include <string>

namespace scx {

class CScxListCtrl;

class CInPlaceEdit : public QLineEdit {
    Q_OBJECT
public:
    // True when accepted; else `message` says why.
    using CommitStep = std::function<bool(int row, int column, const QString& text, std::string& message)>;

    CInPlaceEdit(CScxListCtrl& list, int designatedColumn, CommitStep commit);

    void StartEditing(int row, int column, const QString& text, bool digitsOnly);
    bool IsEditing() const { return isVisible(); }
    int Row() const { return row_; }
    int Column() const { return column_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Focus loss: CEditInList commits, CEditInComList hides.
    virtual void OnFocusLost() = 0;
    // Runs the commit step; true when accepted (the box hides). A refusal shows the message and
    // keeps editing with all text selected.
    bool Commit();
    void StopEditing();

private:
    void MoveTo(int row);

    CScxListCtrl& list_;
    int designatedColumn_;
    CommitStep commit_;
    int row_ = -1;
    int column_ = -1;
    bool committing_ = false;
};

}  // namespace scx
