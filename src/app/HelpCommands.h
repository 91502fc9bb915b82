#pragma once

class QWidget;

// The user guide (guide.html, installed with the program) in a help window
// of its own, raised when already open; a message names the places looked at when it is missing.
void OpenUserGuide(QWidget* parent);

// A dialog listing every command's keys, made from the command table, and
// the map's own keys.
void ShowKeyboardShortcuts(QWidget* parent);
