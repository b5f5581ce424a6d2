#pragma once
// Where the program finds what it brings along, and where a user's start
// configuration lives. In a build tree everything lies beside the program.
// Installed, the program lies in bin/, its help in share/skiora/, and the
// start configuration in the user's configuration folder: nobody may write
// beside an installed program.
#include <string>

namespace skiora::verz {

// True when progVerz (ending in "/") is the bin/ folder of an installation:
// no help file lies beside the program, and ../share/skiora/ exists.
bool Installiert(const std::string& progVerz);

// The folder of the help files: progVerz, or ../share/skiora/ when installed.
std::string DatenVerz(const std::string& progVerz);

// The user's configuration folder for the program, ending in "/":
// $XDG_CONFIG_HOME/skiora/, else $HOME/.config/skiora/; empty when neither
// variable names an absolute folder.
std::string BenutzerKonfigVerz();

// Where the start configuration (skiora.ini, start.adt) is read and saved:
// progVerz in a build tree, the user's configuration folder when installed.
std::string StartKonfigVerz(const std::string& progVerz);

} // namespace skiora::verz
