#pragma once

// Start-up shared by the program, its benchmark and its window tests.

// Before the QApplication exists: the language table, the system's locale, the OpenGL views'
// surface format and the embedded resources.
void PrepareApplication();

// The identity that the settings' place and the desktop go by: organisation, domain, program
// name and version, desktop entry.
void NameApplication();
