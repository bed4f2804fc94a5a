// The maker's details shown by the About box; the resource script repeats the address in the box's text.
#pragma once

namespace trimora {

constexpr const char kMakerName[] = "Zavik";
constexpr const char kMakerWebAddress[] = "https://www.example.com/zavik/";

}  // namespace trimora
