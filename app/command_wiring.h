#pragma once

class MainWindow;

// Connects every command that lives outside the main window to its menu items and toolbar buttons.
void connectEditorCommands(MainWindow& window);

// The groups, each in a file of its own.
void connectElementCommands(MainWindow& window);
void connectFileCommands(MainWindow& window);
void connectPrintCommands(MainWindow& window);
