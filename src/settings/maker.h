// Where the program's maker can be reached, as the About and message windows show it.
#pragma once

inline constexpr const char* kMakerMail = "velmarind@example.org";
inline constexpr const char* kMakerPage = "http://velmarind.example.org/";
inline constexpr const char* kDonationPage = "http://velmarind.example.org/donate";
