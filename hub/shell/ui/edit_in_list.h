#pragma once
// An in-place cell editor whose focus loss commits as Enter does (a refusal keeps editing).

#include "hub/shell/ui/in_place_edit.h"

namespace scx {

class CEditInList : public CInPlaceEdit {
    Q_OBJECT
public:
    using CInPlaceEdit::CInPlaceEdit;

protected:
    void OnFocusLost() override;
};

}  // namespace scx
