// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary/summary_window.h"

#include "core/award_tables.h"
#include "mainwindow/main_window.h"
