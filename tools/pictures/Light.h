#pragma once

namespace sockwright::pictures {

// Whether a picture shows its item chosen (lit, gold) or not chosen (dim, grey).
enum class Light { Dim, Lit };

}  // namespace sockwright::pictures
