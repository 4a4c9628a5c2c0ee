// The program's web pages and mailbox: our host name, the pages the program opens and the
// high-score list's address, in one place.
#pragma once

inline constexpr char kWebsiteHost[] = "www.marovek.org";
// Every path of ours begins with "//".
inline constexpr char kHomePagePath[] = "//index.html";
inline constexpr char kMoreMapsPagePath[] = "//maps.html";
inline constexpr char kHighScoresPagePath[] = "//highscores.html";
// Where high-score codes are mailed.
inline constexpr char kHighScoresMailAddress[] = "highscores@marovek.org";
