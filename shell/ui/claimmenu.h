#pragma once
// The claim's commands at the top of every window's File menu: New Claim,
// Open Claim..., Open Recent, Save Claim and Save Claim As..., each given on
// the window whose menu it is in.

class QMenu;
class QWidget;

namespace corvell::ui {

class ClaimCommands;

void addClaimCommands(QMenu& file, QWidget& window, ClaimCommands& claims);

}  // namespace corvell::ui
