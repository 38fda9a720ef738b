// The program's own icon, built into the executable in every size it is drawn in.
#pragma once

#include <QIcon>

QIcon ProgramIcon();
