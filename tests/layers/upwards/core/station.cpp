// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/station.h"

#include "platform/dialogs.h"
