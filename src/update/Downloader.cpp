#include "update/Downloader.h"
