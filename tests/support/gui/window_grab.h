#pragma once
// Screenshots of windows under test, kept as artefacts to look at:
// $SCX_TEST_ARTIFACTS/NAME.png (the gui tests set it to build/…/test-artifacts).

#include <QString>

class QWidget;

namespace scx::test {

// Grabs the widget (shown and laid out first) to NAME.png; returns the file's path.
QString GrabToPng(QWidget& widget, const QString& name);

}  // namespace scx::test
