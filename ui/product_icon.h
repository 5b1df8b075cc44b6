#pragma once

#include <QIcon>

// The product icon: three rising bars on a blue rounded square.
QIcon productIcon();
