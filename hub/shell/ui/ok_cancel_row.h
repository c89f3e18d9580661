#pragma once
// The "확 인" / "취 소" button row at the foot of the workstation's input dialogs.

class QDialog;
class QHBoxLayout;

namespace scx {

// Buttons named "ok" (the default, accepts) and "cancel" (rejects), right-aligned.
QHBoxLayout* MakeOkCancelRow(QDialog& dialog);

}  // namespace scx
