#pragma once
// An in-place cell editor whose focus loss hides without committing.

#include "hub/shell/ui/in_place_edit.h"

namespace scx {

class CEditInComList : public CInPlaceEdit {
    Q_OBJECT
public:
    using CInPlaceEdit::CInPlaceEdit;

protected:
    void OnFocusLost() override;
};

}  // namespace scx
