#pragma once

class QMenu;
class SmoothFloor;

// "Gładkie krawędzie": an item of the options menu, on unless the user turned it off, that the
// program remembers. It switches the floor between its smooth picture and the page itself, in
// every view; the pictures written of a page follow it.
void AddSmoothEdgesChoice(SmoothFloor& floor, QMenu& options);
