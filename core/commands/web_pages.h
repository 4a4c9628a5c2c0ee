// The program's web pages: our host name and the pages the program opens, in one place.
#pragma once

inline constexpr char kWebsiteHost[] = "www.marovek.org";
// Every path of ours begins with "//".
inline constexpr char kHomePagePath[] = "//index.html";
inline constexpr char kMoreMapsPagePath[] = "//maps.html";
inline constexpr char kHighScoresPagePath[] = "//highscores.html";
