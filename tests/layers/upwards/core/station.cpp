#include "core/station.h"

#include "platform/dialogs.h"
