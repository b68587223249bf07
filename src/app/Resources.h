#pragma once

// Registers the embedded images and translation catalogs. The resources are
// compiled into a static library, whose unreferenced objects the linker would drop.
void InitLumenoResources();
