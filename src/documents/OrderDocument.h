#pragma once

#include "documents/CalendarDate.h"
#include "documents/OrderSnapshot.h"

#include <string>
#include <vector>

namespace documents {

// The lines of ORDER.TXT, without line ends (the writer adds CR LF).
std::vector<std::string> orderFileLines(const OrderSnapshot& order, CalendarDate today);

// The lines of the paper order form, top to bottom.
std::vector<std::string> printedFormLines(const OrderSnapshot& order, CalendarDate today);

} // namespace documents
