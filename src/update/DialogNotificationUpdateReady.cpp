#include "update/DialogNotificationUpdateReady.h"
