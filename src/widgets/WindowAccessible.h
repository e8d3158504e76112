#pragma once
// Qt leaves popup menus out of the accessibility tree: they are neither among the application's
// windows nor among a widget's children. Screen readers that walk the tree then never find a
// context menu while it is open. With this, each of our windows shows its open menus as its
// last children.

namespace sv {

void installWindowAccessibility();

} // namespace sv
