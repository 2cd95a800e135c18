// The product's web address, shown by the help menu and printed on worksheets.
#pragma once

inline constexpr char HomepageAdresse[] = "https://pennoria.example.org/";
