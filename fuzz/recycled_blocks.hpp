#pragma once

namespace vantor::fuzz {

// Large blocks freed since the last call may be handed out again from now on; call it once a
// sequence's objects are all gone.
void endSequence();

} // namespace vantor::fuzz
