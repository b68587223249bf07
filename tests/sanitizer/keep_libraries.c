// Preloaded into sanitized test runs: libraries stay loaded until exit, so a leak report
// names the system library that allocated instead of an unloaded "unknown module".
int dlclose(void *handle) { (void)handle; return 0; }
