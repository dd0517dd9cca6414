// What assistive technologies find in the windows: the board's table, the score, dialogs with
// names, and no controls that are hidden.
#pragma once

class QWidget;

namespace kaldora {

class BoardKeys;

// Makes the game's own widgets known to Qt's accessibility; once per program, before the first
// window shows.
void InstallAccessibility();

// The squares' own enabled states are not told one by one; this tells once, after the game has
// enabled or disabled them all, the board's state and that of the square under the frame.
void TellBoardState(BoardKeys* keys);

// Keeps a screen reader's view of a window's children up to date as they are shown and hidden;
// for the children the window has now.
void WatchShownChildren(QWidget* window);

// A widget no screen reader needs, such as the picture that follows the mouse in a drag; its
// changes are not told either. hidden false undoes it.
void HideFromScreenReaders(QWidget* widget, bool hidden = true);

}  // namespace kaldora
