// The yes/no bytes the game keeps in its flags, saved games and messages: 'j' yes, 'n' no.
#pragma once

inline constexpr char kYes = 'j';
inline constexpr char kNo = 'n';

// A flag byte may hold neither (a zeroed table, a damaged file), so "not yes" and "no" differ.
inline constexpr bool IsYes(char flag) {
    return flag == kYes;
}
inline constexpr bool IsNo(char flag) {
    return flag == kNo;
}
inline constexpr char YesNo(bool yes) {
    return yes ? kYes : kNo;
}
