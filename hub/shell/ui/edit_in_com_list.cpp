#include "hub/shell/ui/edit_in_com_list.h"

namespace scx {

void CEditInComList::OnFocusLost() { StopEditing(); }

}  // namespace scx
