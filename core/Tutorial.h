#pragma once
// Offers the tutorial in the tutorial viewer; a missing viewer or file is
// ignored.

namespace Tutorial {

void Show();

}  // namespace Tutorial
