#pragma once
// What the two file panes do to the CheckOut folders: list the documents of one kind, open a file
// by its extension, and delete by moving into the kind's TMP folder.

#include <string>
#include <string_view>
#include <vector>

namespace scx {

class Prompter;

// The pane's kind: IPT works on CheckOut/IPT and *.ipt, RST on CheckOut/RST and *.rst.
enum class FilePaneKind { Ipt, Rst };

// File names (no folder) of the regular files in the kind's folder whose extension matches
// without regard to case, in the order the folder lists them.
std::vector<std::string> ListPaneFiles(FilePaneKind kind);

// The full path a double-click opens: names ending in .ipt, .tls or .rst (any case) lie in
// CheckOut/IPT, TLS or RST; any other name is taken as it is.
std::string PathForOpening(std::string_view name);

// Moves each named file from the kind's folder into its TMP folder under the same name. A move
// that fails (nothing to move, the file held open by a document or another program of this
// system, or a file of that name already waiting) shows
// "삭제할 수 없습니다. 해당 파일을 사용중입니다.\n" and the source path, and the rest go on.
// Returns the number of files moved.
int MovePaneFilesToTmp(FilePaneKind kind, const std::vector<std::string>& names, Prompter& prompter);

}  // namespace scx
