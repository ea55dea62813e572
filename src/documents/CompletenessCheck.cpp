#include "documents/CompletenessCheck.h"

namespace documents {

bool isOrderComplete(std::optional<double> subTotal) {
    return subTotal.value_or(0.0) != 0.0;
}

} // namespace documents
