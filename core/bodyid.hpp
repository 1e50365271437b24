#pragma once

namespace vantor {

// Names the four bodies where a routine or table works per body.
enum class BodyId { Sun, Earth, Inter, Super };

} // namespace vantor
