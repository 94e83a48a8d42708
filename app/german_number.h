#pragma once

#include <QString>

namespace app {

// Four significant digits, decimal comma, no thousands separator: 0,025 or 1638.
QString germanNumber(double value);

} // namespace app
