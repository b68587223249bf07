#pragma once

// Registers the embedded images and translation catalogs; PrepareApplication() calls it once at
// start. The resources are compiled into a static library, whose unreferenced objects the linker
// would drop.
void InitLumenoResources();
