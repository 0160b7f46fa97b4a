#pragma once

#include <string>

#include "tests/support/test_world.h"

// A start with a window asks for the game while the game folder holds none of its programs.
// Tests that are not about the game either answer those questions or give the window a game.

// Answers the questions of a start without a game at hand: the welcome box is taken and both
// game-folder dialogs are cancelled. The edition check then settles on the first edition.
void ExpectGameNotChosen(ScriptedDialogs& dialogs);

// Places a game of the first edition (its program "il2.exe" and nothing else) in the world's
// program folder and makes it the window's game folder: the edition check finds "IL2" there,
// as it does without a game, but asks nothing. Answers the game folder.
std::string PlaceFirstEditionGame(TestWorld& world);
