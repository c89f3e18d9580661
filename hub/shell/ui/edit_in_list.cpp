#include "hub/shell/ui/edit_in_list.h"

namespace scx {

void CEditInList::OnFocusLost() { Commit(); }

}  // namespace scx
