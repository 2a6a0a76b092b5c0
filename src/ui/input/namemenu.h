#pragma once

class QLineEdit;

// Gives a name box the usual context menu of a one-line box (undo, cut, copy,
// paste, delete, select all) without the key each entry names: a name box refuses
// Ctrl+Z, Ctrl+V and the like, so the menu must not suggest them. The entries
// themselves work as usual; what they paste goes through the box's filter.
void offerMenuWithoutKeys(QLineEdit* box);
