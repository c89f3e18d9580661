#pragma once
// The workstation's window icon: the picture of resources/icons/scxhub.svg (result sheets gathered
// into one, installs against licences), painted here so the program needs no SVG support.

#include <QIcon>

namespace scx {

QIcon WorkstationIcon();

}  // namespace scx
